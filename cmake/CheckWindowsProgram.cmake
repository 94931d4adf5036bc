cmake_policy(SET CMP0057 NEW)
# cmake -DPROGRAM=rnv.exe -DOBJDUMP=... -DFORMAT=PE32 -P CheckWindowsProgram.cmake
# A CD's program must be the right kind of Windows executable and import
# nothing but Windows' own DLLs: a PC has no MinGW or Qt libraries.
execute_process(COMMAND file -b ${PROGRAM} OUTPUT_VARIABLE kind)
string(FIND "${kind}" "${FORMAT} executable" at)
if(NOT at EQUAL 0)
  message(FATAL_ERROR "${PROGRAM} is not a ${FORMAT} executable: ${kind}")
endif()
execute_process(COMMAND ${OBJDUMP} -p ${PROGRAM} OUTPUT_VARIABLE dump RESULT_VARIABLE rc)
if(NOT rc EQUAL 0)
  message(FATAL_ERROR "objdump failed on ${PROGRAM}")
endif()
string(REGEX MATCHALL "DLL Name: [^\r\n]+" names "${dump}")
set(system advapi32.dll comctl32.dll comdlg32.dll gdi32.dll gdiplus.dll kernel32.dll msimg32.dll msvcrt.dll
  ole32.dll shell32.dll user32.dll winmm.dll)
foreach(n IN LISTS names)
  string(REPLACE "DLL Name: " "" dll "${n}")
  string(TOLOWER "${dll}" dll)
  if(NOT dll IN_LIST system)
    message(FATAL_ERROR "${PROGRAM} imports ${dll}, which a Windows PC does not have")
  endif()
endforeach()
message(STATUS "${PROGRAM}: ${FORMAT}, imports only system DLLs")
