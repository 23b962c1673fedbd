# The header-only libraries the engine and the CLI use, Debian's packages: fast_float (reading
# numbers), {fmt} in header-only mode (writing them) and nlohmann-json (the CLI's report). Each
# is seen through a folder of links to its own include folder, never through the whole system
# include folder, so that a cross build (WebAssembly) finds them without the host's C library
# headers.

set(PROJCALC_HOST_INCLUDE_DIR /usr/include CACHE PATH
    "Where the header-only packages (fast_float, fmt, nlohmann) are installed")
set(PROJCALC_HEADER_ONLY_VIEW ${PROJECT_BINARY_DIR}/header_only)

# projcalc_header_only(<target> <folder>)
# Adds the interface library <target> whose include folder holds only <folder> of the host's
# include folder.
function(projcalc_header_only target folder)
    set(source ${PROJCALC_HOST_INCLUDE_DIR}/${folder})
    if(NOT IS_DIRECTORY ${source})
        message(FATAL_ERROR "${source} is missing: run scripts/install-deps.sh")
    endif()
    set(view ${PROJCALC_HEADER_ONLY_VIEW}/${target})
    file(REMOVE_RECURSE ${view})
    file(MAKE_DIRECTORY ${view})
    file(CREATE_LINK ${source} ${view}/${folder} SYMBOLIC)
    add_library(${target} INTERFACE)
    target_include_directories(${target} SYSTEM INTERFACE ${view})
endfunction()

projcalc_header_only(projcalc_fast_float fast_float)
projcalc_header_only(projcalc_fmt fmt)
target_compile_definitions(projcalc_fmt INTERFACE FMT_HEADER_ONLY)
