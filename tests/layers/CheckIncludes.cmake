# The layers without a toolkit include only the layers below them: flags/
# itself; handling/ flags/; core/ both. None includes the command line
# (cli/), a front end (qt/, win32/, or the Qt one's runtime/, ui/ and app/),
# Qt or <windows.h>. Run as: cmake -DSOURCE_DIR=... -P CheckIncludes.cmake
cmake_minimum_required(VERSION 3.22)

set(allowed_flags flags)
set(allowed_handling flags handling)
set(allowed_core flags handling core)

set(faults "")
foreach(layer flags handling core)
    list(JOIN allowed_${layer} ", " allowed_text)
    file(GLOB_RECURSE sources ${SOURCE_DIR}/${layer}/*.h ${SOURCE_DIR}/${layer}/*.cpp
        ${SOURCE_DIR}/${layer}/*.h.in)
    foreach(source ${sources})
        file(STRINGS ${source} includes REGEX "^[ \t]*#[ \t]*include")
        get_filename_component(folder ${source} DIRECTORY)
        file(RELATIVE_PATH shown ${SOURCE_DIR} ${source})
        foreach(line ${includes})
            string(REGEX REPLACE "^[ \t]*#[ \t]*include[ \t]*" "" included "${line}")
            string(TOLOWER "${included}" lower)
            if(included MATCHES "^<(Q|qt)" OR lower MATCHES "windows\\.h")
                list(APPEND faults "${shown}: ${included} (a toolkit)")
            elseif(included MATCHES "^\"([^\"]+)\"")
                set(path ${CMAKE_MATCH_1})
                string(REGEX MATCH "^[^/]+" first "${path}")
                # A path beside the file stays in its layer.
                if(NOT EXISTS ${folder}/${path} AND NOT first IN_LIST allowed_${layer})
                    list(APPEND faults "${shown}: ${included} (outside ${allowed_text})")
                endif()
            endif()
        endforeach()
    endforeach()
endforeach()

if(faults)
    list(JOIN faults "\n  " text)
    message(FATAL_ERROR "Includes across the layers:\n  ${text}")
endif()
