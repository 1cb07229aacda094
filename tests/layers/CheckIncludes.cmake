# Each library's include path already keeps it from the layers above it.
# What an include path cannot say: the layers below the front ends include no
# toolkit, neither Qt nor <windows.h>, which files/ alone may use for its
# own system part. Run as: cmake -DSOURCE_DIR=... -P CheckIncludes.cmake
cmake_minimum_required(VERSION 3.22)

set(faults "")
foreach(layer text flags files handling core)
    file(GLOB_RECURSE sources ${SOURCE_DIR}/${layer}/*.h ${SOURCE_DIR}/${layer}/*.cpp
        ${SOURCE_DIR}/${layer}/*.h.in)
    foreach(source ${sources})
        file(RELATIVE_PATH shown ${SOURCE_DIR} ${source})
        if(shown MATCHES "^files/NewFileWin32\\.cpp$")
            continue()
        endif()
        file(STRINGS ${source} includes REGEX "^[ \t]*#[ \t]*include")
        foreach(line ${includes})
            string(REGEX REPLACE "^[ \t]*#[ \t]*include[ \t]*" "" included "${line}")
            string(TOLOWER "${included}" lower)
            if(included MATCHES "^<(Q|qt)" OR lower MATCHES "windows\\.h")
                list(APPEND faults "${shown}: ${included} (a toolkit)")
            endif()
        endforeach()
    endforeach()
endforeach()

if(faults)
    list(JOIN faults "\n  " text)
    message(FATAL_ERROR "A toolkit below the front ends:\n  ${text}")
endif()
