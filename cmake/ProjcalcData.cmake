# The data the program ships: the model catalogue and the English language file in data/.
#
# A build runs on a copy beside each executable (the data-folder rule looks in the executable's
# folder); an installation keeps one copy in share/projcalc (the rule's <exe>/../share/projcalc).

set(PROJCALC_DATA_FILES ModelInfo.ini Language.ini)

# Copies the shipped data files beside `target`, which must live in the current binary folder.
# A data file that is missing only leaves a note: the program then needs --data-dir or a user
# folder. A file that appears in data/ later makes CMake configure again and pick it up.
function(projcalc_copy_data_beside target)
    set(outputs)
    foreach(name IN LISTS PROJCALC_DATA_FILES)
        set(source ${PROJECT_SOURCE_DIR}/data/${name})
        set(copy ${CMAKE_CURRENT_BINARY_DIR}/${name})
        if(EXISTS ${source})
            add_custom_command(OUTPUT ${copy}
                COMMAND ${CMAKE_COMMAND} -E copy_if_different ${source} ${copy}
                DEPENDS ${source}
                COMMENT "Copying data/${name} next to ${target}")
            list(APPEND outputs ${copy})
        else()
            message(STATUS "data/${name} is missing: ${target} needs --data-dir or a user folder")
        endif()
    endforeach()
    if(EXISTS ${PROJECT_SOURCE_DIR}/data)
        set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/data)
    endif()
    add_custom_target(${target}_data ALL DEPENDS ${outputs})
    add_dependencies(${target} ${target}_data)
endfunction()

# Installs the shipped data files into share/projcalc, once for both executables.
function(projcalc_install_data)
    foreach(name IN LISTS PROJCALC_DATA_FILES)
        if(EXISTS ${PROJECT_SOURCE_DIR}/data/${name})
            install(FILES ${PROJECT_SOURCE_DIR}/data/${name}
                    DESTINATION ${CMAKE_INSTALL_DATADIR}/projcalc)
        endif()
    endforeach()
endfunction()
