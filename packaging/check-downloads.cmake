# The README's download section names the files make release builds for the
# project's version, and no other version's: a release that forgets the
# README fails the packaging tests.
#   cmake -D readme=README.md -D version=1.0.0.0 -P check-downloads.cmake
file(READ ${readme} text)
string(FIND "${text}" "\n## Download" start)
if(start EQUAL -1)
    message(FATAL_ERROR "${readme} has no \"## Download\" section")
endif()
math(EXPR start "${start} + 1")
string(SUBSTRING "${text}" ${start} -1 section)
string(FIND "${section}" "\n## " end)
string(SUBSTRING "${section}" 0 ${end} section)

foreach(download bitloom_${version}_amd64.deb bitloom-${version}-windows-x64.zip
        bitloom-${version}-windows-x64-setup.exe)
    string(FIND "${section}" "${download}" at)
    if(at EQUAL -1)
        message(SEND_ERROR "${readme}'s download section does not name ${download}")
    endif()
endforeach()

string(REGEX MATCHALL "[Vv]ersion [0-9]+(\\.[0-9]+)*|bitloom[-_][0-9]+(\\.[0-9]+)+" named
    "${section}")
string(REGEX REPLACE "\\." "\\\\." version_pattern "${version}")
foreach(name IN LISTS named)
    if(NOT name MATCHES "[ _-]${version_pattern}$")
        message(SEND_ERROR "${readme}'s download section names \"${name}\", not version ${version}")
    endif()
endforeach()
