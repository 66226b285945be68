# A configure that names no build type builds what users run.
if (NOT CMAKE_BUILD_TYPE AND NOT CMAKE_CONFIGURATION_TYPES)
    set (CMAKE_BUILD_TYPE Release CACHE STRING "Build type" FORCE)
endif()

set (CMAKE_CXX_STANDARD 17)
set (CMAKE_CXX_STANDARD_REQUIRED ON)
set (CMAKE_CXX_EXTENSIONS OFF)

# Sanitizer builds instrument every target alike, the framework library included.
option (QYR_SANITIZE "Build with AddressSanitizer and UndefinedBehaviorSanitizer" OFF)

if (QYR_SANITIZE)
    add_compile_options (-fsanitize=address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=undefined)
    add_link_options (-fsanitize=address,undefined)
endif()

# Release builds are hardened the way Debian builds its own packages.
add_compile_options ($<$<CONFIG:Release>:-D_FORTIFY_SOURCE=2>)
add_link_options ($<$<CONFIG:Release>:LINKER:-z,relro,-z,now>)
