# The data the program ships: the model catalogue, the English language file and the translations
# in data/languages/<code>/Language.ini.
#
# The build prepares one copy of them in <build>/data, with the program's version written into
# every Language.ini (ProjcalcStampVersion.cmake), so that the About dialog shows the version the
# executables print whichever language is in use. A build runs on copies of that beside each
# executable (the data-folder rule looks in the executable's folder); an installation keeps one in
# share/projcalc (the rule's <exe>/../share/projcalc). Files keep their place below data/.

set(PROJCALC_SHIPPED_DATA_DIR ${PROJECT_BINARY_DIR}/data)

# The shipped data files, as paths relative to data/: the two files every data folder has, then
# whatever data/languages holds.
function(projcalc_list_data_files result)
    set(files ModelInfo.ini Language.ini)
    file(GLOB_RECURSE languages CONFIGURE_DEPENDS RELATIVE ${PROJECT_SOURCE_DIR}/data
         ${PROJECT_SOURCE_DIR}/data/languages/*)
    list(SORT languages)
    list(APPEND files ${languages})
    set(${result} ${files} PARENT_SCOPE)
endfunction()

# Prepares the shipped data in PROJCALC_SHIPPED_DATA_DIR (target projcalc_shipped_data). A data
# file that is missing only leaves a note: the program then needs --data-dir or a user folder. A
# file that appears in data/ later makes CMake configure again and pick it up.
function(projcalc_prepare_data)
    projcalc_list_data_files(names)
    set(outputs)
    set(shipped)
    foreach(name IN LISTS names)
        set(source ${PROJECT_SOURCE_DIR}/data/${name})
        set(prepared ${PROJCALC_SHIPPED_DATA_DIR}/${name})
        get_filename_component(file_name ${name} NAME)
        if(NOT EXISTS ${source})
            message(STATUS "data/${name} is missing: the programs need --data-dir or a user folder")
            continue()
        elseif(file_name STREQUAL "Language.ini")
            set(stamp ${PROJECT_SOURCE_DIR}/cmake/ProjcalcStampVersion.cmake)
            add_custom_command(OUTPUT ${prepared}
                COMMAND ${CMAKE_COMMAND} -DSOURCE=${source} -DOUTPUT=${prepared}
                        -DVERSION=${PROJECT_VERSION} -P ${stamp}
                DEPENDS ${source} ${stamp}
                COMMENT "Writing version ${PROJECT_VERSION} into data/${name}")
        else()
            add_custom_command(OUTPUT ${prepared}
                COMMAND ${CMAKE_COMMAND} -E copy_if_different ${source} ${prepared}
                DEPENDS ${source}
                COMMENT "Copying data/${name}")
        endif()
        list(APPEND outputs ${prepared})
        list(APPEND shipped ${name})
    endforeach()
    if(EXISTS ${PROJECT_SOURCE_DIR}/data)
        set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/data)
    endif()
    add_custom_target(projcalc_shipped_data ALL DEPENDS ${outputs})
    # Paths relative to PROJCALC_SHIPPED_DATA_DIR.
    set_property(GLOBAL PROPERTY projcalc_shipped_data_names ${shipped})
endfunction()

# Copies the prepared data files beside `target`, which must live in the current binary folder.
function(projcalc_copy_data_beside target)
    get_property(names GLOBAL PROPERTY projcalc_shipped_data_names)
    set(outputs)
    foreach(name IN LISTS names)
        set(prepared ${PROJCALC_SHIPPED_DATA_DIR}/${name})
        set(copy ${CMAKE_CURRENT_BINARY_DIR}/${name})
        add_custom_command(OUTPUT ${copy}
            COMMAND ${CMAKE_COMMAND} -E copy_if_different ${prepared} ${copy}
            DEPENDS ${prepared}
            COMMENT "Copying ${name} next to ${target}")
        list(APPEND outputs ${copy})
    endforeach()
    add_custom_target(${target}_data ALL DEPENDS ${outputs})
    add_dependencies(${target}_data projcalc_shipped_data)
    add_dependencies(${target} ${target}_data)
endfunction()

# Installs the prepared data files into share/projcalc, once for both executables.
function(projcalc_install_data)
    get_property(names GLOBAL PROPERTY projcalc_shipped_data_names)
    foreach(name IN LISTS names)
        get_filename_component(folder ${name} DIRECTORY)
        install(FILES ${PROJCALC_SHIPPED_DATA_DIR}/${name}
                DESTINATION ${CMAKE_INSTALL_DATADIR}/projcalc/${folder})
    endforeach()
endfunction()
