# Two builds of the same sources give the same bytes wherever and whenever
# they run (make test-release checks it). The dates a build writes come from
# SOURCE_DATE_EPOCH, which make release takes from the last commit; here, the
# build's own folders are mapped out of what the compiler writes (__FILE__,
# debug information), and the Windows linker writes no time stamp. Debug
# builds keep their true paths, which debuggers need.
if(NOT MSVC)
    set(optimised "$<AND:$<COMPILE_LANGUAGE:CXX>,$<NOT:$<CONFIG:Debug>>>")
    # The build folder may lie inside the source folder: its mapping comes
    # last, as the last matching one wins.
    add_compile_options(
        "$<${optimised}:-ffile-prefix-map=${PROJECT_SOURCE_DIR}=.>"
        "$<${optimised}:-ffile-prefix-map=${PROJECT_BINARY_DIR}=build>")
endif()
if(WIN32 AND NOT MSVC)
    add_link_options(LINKER:--no-insert-timestamp)
endif()
