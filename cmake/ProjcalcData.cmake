# The data the program ships: the model catalogue and the English language file in data/.
#
# The build prepares one copy of them in <build>/data, with the program's version written into
# Language.ini (ProjcalcStampVersion.cmake), so that the About dialog shows the version the
# executables print. A build runs on copies of that beside each executable (the data-folder rule
# looks in the executable's folder); an installation keeps one in share/projcalc (the rule's
# <exe>/../share/projcalc).

set(PROJCALC_DATA_FILES ModelInfo.ini Language.ini)
set(PROJCALC_SHIPPED_DATA_DIR ${PROJECT_BINARY_DIR}/data)

# Prepares the shipped data in PROJCALC_SHIPPED_DATA_DIR (target projcalc_shipped_data). A data
# file that is missing only leaves a note: the program then needs --data-dir or a user folder. A
# file that appears in data/ later makes CMake configure again and pick it up.
function(projcalc_prepare_data)
    set(outputs)
    foreach(name IN LISTS PROJCALC_DATA_FILES)
        set(source ${PROJECT_SOURCE_DIR}/data/${name})
        set(prepared ${PROJCALC_SHIPPED_DATA_DIR}/${name})
        if(NOT EXISTS ${source})
            message(STATUS "data/${name} is missing: the programs need --data-dir or a user folder")
        elseif(name STREQUAL "Language.ini")
            set(stamp ${PROJECT_SOURCE_DIR}/cmake/ProjcalcStampVersion.cmake)
            add_custom_command(OUTPUT ${prepared}
                COMMAND ${CMAKE_COMMAND} -DSOURCE=${source} -DOUTPUT=${prepared}
                        -DVERSION=${PROJECT_VERSION} -P ${stamp}
                DEPENDS ${source} ${stamp}
                COMMENT "Writing version ${PROJECT_VERSION} into data/${name}")
            list(APPEND outputs ${prepared})
        else()
            add_custom_command(OUTPUT ${prepared}
                COMMAND ${CMAKE_COMMAND} -E copy_if_different ${source} ${prepared}
                DEPENDS ${source}
                COMMENT "Copying data/${name}")
            list(APPEND outputs ${prepared})
        endif()
    endforeach()
    if(EXISTS ${PROJECT_SOURCE_DIR}/data)
        set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/data)
    endif()
    add_custom_target(projcalc_shipped_data ALL DEPENDS ${outputs})
    set_property(GLOBAL PROPERTY projcalc_shipped_data_files ${outputs})
endfunction()

# Copies the prepared data files beside `target`, which must live in the current binary folder.
function(projcalc_copy_data_beside target)
    get_property(prepared_files GLOBAL PROPERTY projcalc_shipped_data_files)
    set(outputs)
    foreach(prepared IN LISTS prepared_files)
        get_filename_component(name ${prepared} NAME)
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
    get_property(prepared_files GLOBAL PROPERTY projcalc_shipped_data_files)
    if(prepared_files)
        install(FILES ${prepared_files} DESTINATION ${CMAKE_INSTALL_DATADIR}/projcalc)
    endif()
endfunction()
