# The version in the forms the program and its packages show, all from
# project(VERSION), so that a release changes only that line.

# As the program shows it: major, then the minor on two digits.
if(PROJECT_VERSION_MINOR LESS 10)
    set(BITLOOM_DISPLAY_VERSION "${PROJECT_VERSION_MAJOR}.0${PROJECT_VERSION_MINOR}")
else()
    set(BITLOOM_DISPLAY_VERSION "${PROJECT_VERSION_MAJOR}.${PROJECT_VERSION_MINOR}")
endif()

# A Windows version resource's four numbers.
set(BITLOOM_VERSION_COMMAS
    "${PROJECT_VERSION_MAJOR},${PROJECT_VERSION_MINOR},${PROJECT_VERSION_PATCH},${PROJECT_VERSION_TWEAK}")
