# nlohmann-json, header-only, from Debian's nlohmann-json3-dev. A cross build
# takes only its folder from the host, never the rest of /usr/include, whose
# C library headers are not Windows'.
if(CMAKE_CROSSCOMPILING)
    find_path(BITLOOM_JSON_DIR nlohmann/json.hpp PATHS /usr/include NO_CMAKE_FIND_ROOT_PATH
        NO_DEFAULT_PATH REQUIRED)
    set(staged ${PROJECT_BINARY_DIR}/host-headers)
    file(MAKE_DIRECTORY ${staged})
    file(CREATE_LINK ${BITLOOM_JSON_DIR}/nlohmann ${staged}/nlohmann SYMBOLIC)
    add_library(nlohmann_json::nlohmann_json INTERFACE IMPORTED GLOBAL)
    target_include_directories(nlohmann_json::nlohmann_json SYSTEM INTERFACE ${staged})
else()
    find_package(nlohmann_json 3 REQUIRED GLOBAL)
endif()
