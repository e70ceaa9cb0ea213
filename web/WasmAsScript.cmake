# Writes a WebAssembly module as a script that leaves it, base64-encoded, in
# self.celloraLifeWasm: browsers read no file from disk but a script's.
# cmake -DWASM=in.wasm -DOUT=out.js -P WasmAsScript.cmake
execute_process(COMMAND base64 -w0 ${WASM} OUTPUT_VARIABLE text RESULT_VARIABLE failed)
if(failed OR text STREQUAL "")
  message(FATAL_ERROR "cannot encode ${WASM}")
endif()
file(WRITE ${OUT} "// cellora-life.wasm for pages opened from disk.\nself.celloraLifeWasm = '${text}';\n")
