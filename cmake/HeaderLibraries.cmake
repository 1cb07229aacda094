# The header-only libraries the companion command builds on: nlohmann-json
# (Debian's nlohmann-json3-dev) and {fmt} (libfmt-dev, used header-only, so
# that no library ships beside the programs). A cross build takes only their
# own folders from the host, never the rest of /usr/include, whose C library
# headers are not Windows'.
function(bitloom_host_headers target folder)
    find_path(dir_of_${target} ${folder} PATHS /usr/include NO_CMAKE_FIND_ROOT_PATH
        NO_DEFAULT_PATH REQUIRED)
    set(staged ${PROJECT_BINARY_DIR}/host-headers)
    file(MAKE_DIRECTORY ${staged})
    file(CREATE_LINK ${dir_of_${target}}/${folder} ${staged}/${folder} SYMBOLIC)
    add_library(${target} INTERFACE IMPORTED GLOBAL)
    target_include_directories(${target} SYSTEM INTERFACE ${staged})
endfunction()

if(CMAKE_CROSSCOMPILING)
    bitloom_host_headers(nlohmann_json::nlohmann_json nlohmann)
    bitloom_host_headers(fmt::fmt-header-only fmt)
    target_compile_definitions(fmt::fmt-header-only INTERFACE FMT_HEADER_ONLY=1)
else()
    find_package(nlohmann_json 3 REQUIRED GLOBAL)
    find_package(fmt 9 REQUIRED GLOBAL)
endif()
# No message is formatted after the user's locale: without this, {fmt} brings
# in the C++ library's whole locale machinery, which would triple the size of
# bitloom.exe.
target_compile_definitions(fmt::fmt-header-only INTERFACE "FMT_STATIC_THOUSANDS_SEPARATOR='.'")
