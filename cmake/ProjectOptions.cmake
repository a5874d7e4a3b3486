# Warnings and sanitizers live on INTERFACE targets so that every one of our own targets opts in with one
# line, and third-party code (Qt's generated moc/rcc sources aside) is never built with them.
option(SCOREBOARD_WERROR "Treat warnings as errors on our own targets" ON)
option(SCOREBOARD_SANITIZE "Build with AddressSanitizer and UndefinedBehaviorSanitizer" OFF)

add_library(project_warnings INTERFACE)
target_compile_options(project_warnings INTERFACE
    -Wall          # the common set
    -Wextra        # unused parameters, missing initialisers, sign surprises
    -Wpedantic     # no compiler extensions sneak in
    -Wshadow       # a local hiding a field is how a working field silently stops being updated
    -Wconversion   # narrowing between 16/32-bit integers and floating point must be spelled out
    -Wsign-conversion
    -Wold-style-cast
    -Wnon-virtual-dtor
    -Woverloaded-virtual
    -Wnull-dereference
    $<$<BOOL:${SCOREBOARD_WERROR}>:-Werror>)

add_library(project_sanitizers INTERFACE)
if(SCOREBOARD_SANITIZE)
    # Overflow is the program's own business (checked arithmetic); UBSan makes sure nothing slips past it.
    target_compile_options(project_sanitizers INTERFACE
        -fsanitize=address,undefined -fno-sanitize-recover=undefined -fno-omit-frame-pointer)
    target_link_options(project_sanitizers INTERFACE -fsanitize=address,undefined)
endif()

# The build that ships (Release) gets Debian's hardening flags, as dpkg-buildflags would give them.
add_library(project_hardening INTERFACE)
target_compile_options(project_hardening INTERFACE
    $<$<CONFIG:Release>:-D_FORTIFY_SOURCE=2>         # libc calls check the sizes the compiler knows
    $<$<CONFIG:Release>:-fstack-protector-strong>)   # a smashed stack ends the program, not worse

# One line per room: our targets get the warnings, the hardening and, when asked, the sanitizers.
function(scoreboard_target target)
    target_link_libraries(${target} PRIVATE project_warnings project_hardening project_sanitizers)
    target_compile_features(${target} PUBLIC cxx_std_20)
endfunction()

# The logic rooms must stay free of widgets: the build refuses a Widgets/Gui dependency there.
function(scoreboard_core_only target)
    get_target_property(libs ${target} LINK_LIBRARIES)
    foreach(lib IN LISTS libs)
        if(lib MATCHES "Qt6?::(Widgets|Gui|Multimedia)")
            message(FATAL_ERROR "${target} must link Qt6::Core only, found ${lib}")
        endif()
    endforeach()
endfunction()
