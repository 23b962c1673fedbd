# One static library per folder of src/, each compiled against a view of the source tree that
# holds only its own folder and the folders it may use. An include that points up a layer (or
# sideways to a peer) names a folder the view lacks, so it does not compile.

set(PROJCALC_LAYER_VIEWS ${PROJECT_BINARY_DIR}/layers)

# projcalc_layer(NAME <folder> SOURCES <files...> SEES <folders...> [LINKS <targets...>])
# Adds the library projcalc_<folder> built from src/<folder>/<files>, whose include view holds
# the folders named by SEES (its own included), and links the libraries named by LINKS.
function(projcalc_layer)
    cmake_parse_arguments(LAYER "" "NAME" "SOURCES;SEES;LINKS" ${ARGN})
    set(view ${PROJCALC_LAYER_VIEWS}/${LAYER_NAME})
    projcalc_layer_view(${view} ${LAYER_SEES})
    list(TRANSFORM LAYER_SOURCES PREPEND ${PROJECT_SOURCE_DIR}/src/${LAYER_NAME}/)
    add_library(projcalc_${LAYER_NAME} STATIC ${LAYER_SOURCES})
    target_include_directories(projcalc_${LAYER_NAME} PUBLIC ${view})
    target_compile_features(projcalc_${LAYER_NAME} PUBLIC cxx_std_20)
    target_link_libraries(projcalc_${LAYER_NAME} PRIVATE ${LAYER_LINKS} projcalc_warnings)
endfunction()

# A folder of links to the named folders of src/: the include root of one layer.
function(projcalc_layer_view view)
    file(REMOVE_RECURSE ${view})
    file(MAKE_DIRECTORY ${view})
    foreach(folder IN LISTS ARGN)
        file(CREATE_LINK ${PROJECT_SOURCE_DIR}/src/${folder} ${view}/${folder} SYMBOLIC)
    endforeach()
endfunction()
