// The sections and keys of the project file (".F2D"), shared by its writer
// and its reader.
#pragma once

namespace lumafold::prjfile {

inline constexpr const char* kSettings = "[SETTINGS]";
inline constexpr const char* kFiles = "[FILES]";
inline constexpr const char* kIndexDB = "IndexDB=";
inline constexpr const char* kAWLSource = "AWLSource=";
inline constexpr const char* kAWLTimeStamp = "AWLTimeStamp=";
inline constexpr const char* kPRJTimeStamp = "PRJTimeStamp=";
inline constexpr const char* kFile = "FILE_";
inline constexpr const char* kExtension = ".F2D";
inline constexpr const char* kLineEnd = "\r\n";

} // namespace lumafold::prjfile
