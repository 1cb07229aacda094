# The layers, bottom up, and what each may include. A library's include path
# holds a folder of its own in the build tree with a link to each source
# folder it may use, and nothing else: an include from a layer it may not
# use fails to compile ("cli/CommandLine.h: No such file or directory").
# tests/layers checks what an include path cannot say: no toolkit below the
# front ends.
set(bitloom_layer_text text)
set(bitloom_layer_flags ${bitloom_layer_text} flags)
set(bitloom_layer_files ${bitloom_layer_flags} files)
set(bitloom_layer_handling ${bitloom_layer_files} handling)
set(bitloom_layer_core ${bitloom_layer_handling} core)
# The programs: none of the three includes another; the command works on
# handling files, not on the windows' definition.
set(bitloom_layer_qt ${bitloom_layer_core} qt)
set(bitloom_layer_win32 ${bitloom_layer_core} win32)
set(bitloom_layer_cli ${bitloom_layer_handling} cli)

function(bitloom_layer target layer)
    if(NOT DEFINED bitloom_layer_${layer})
        message(FATAL_ERROR "no layer ${layer}")
    endif()
    set(view ${PROJECT_BINARY_DIR}/layers/${layer})
    if(NOT EXISTS ${view})
        file(MAKE_DIRECTORY ${view})
        foreach(folder ${bitloom_layer_${layer}})
            file(CREATE_LINK ${PROJECT_SOURCE_DIR}/${folder} ${view}/${folder} SYMBOLIC)
        endforeach()
    endif()
    target_include_directories(${target} PUBLIC ${view})
endfunction()
