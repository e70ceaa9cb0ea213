#pragma once
// How a dispatch member fails: it throws the framework's dispatch exception,
// and Invoke answers DISP_E_EXCEPTION with the description for the caller.
#include <stdexcept>
#include <string>

class COleDispatchException : public std::runtime_error {
public:
    COleDispatchException(unsigned short wCode, const std::string& description)
        : std::runtime_error(description), m_wCode(wCode) {}
    unsigned short m_wCode;
};

[[noreturn]] inline void AfxThrowOleDispatchException(unsigned short wCode, const char* description)
{
    throw COleDispatchException(wCode, description);
}
