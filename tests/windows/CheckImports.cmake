# cmake -DOBJDUMP=... -DPROGRAM=x.exe -P CheckImports.cmake
# Fails when the program imports a DLL outside the ones every Windows from 7
# on installs: a MinGW runtime DLL (libstdc++-6, libgcc_s, libwinpthread-1)
# or the UCRT would make the .exe fail to start on a machine without them.
cmake_policy(SET CMP0057 NEW)
set(system_dlls
    advapi32 comctl32 comdlg32 gdi32 imm32 kernel32 msvcrt ole32 oleaut32 shell32 shlwapi
    user32 uxtheme version winmm)

execute_process(COMMAND ${OBJDUMP} -p ${PROGRAM}
    OUTPUT_VARIABLE headers RESULT_VARIABLE status)
if(NOT status EQUAL 0)
    message(FATAL_ERROR "${OBJDUMP} could not read ${PROGRAM}")
endif()

string(REGEX MATCHALL "DLL Name: [^\r\n]+" imports "${headers}")
if(NOT imports)
    message(FATAL_ERROR "${PROGRAM}: no import table found")
endif()
set(foreign "")
foreach(line IN LISTS imports)
    string(REGEX REPLACE "^DLL Name: " "" dll "${line}")
    string(TOLOWER "${dll}" name)
    string(REGEX REPLACE "\\.dll$" "" name "${name}")
    if(name IN_LIST system_dlls)
        message(STATUS "${dll}")
    else()
        list(APPEND foreign ${dll})
    endif()
endforeach()
if(foreign)
    message(FATAL_ERROR "${PROGRAM} needs DLLs that Windows does not have: ${foreign}")
endif()
