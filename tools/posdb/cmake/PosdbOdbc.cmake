# Helpers for using the posdb ODBC driver from any CMake directory.
#
# posdb_odbc_ini(DIR <dir>
#                DATA_SOURCES <dsn>=<database file> ...
#                [DRIVER <driver target>]      default: posdb_odbc
#                [DRIVER_NAME <odbcinst name>] default: posdb)
#   Writes <dir>/odbcinst.ini (the driver) and <dir>/odbc.ini (the data
#   sources) at generate time. Point unixODBC at them with
#     ODBCSYSINI=<dir>  ODBCINI=<dir>/odbc.ini
#   An empty database file leaves the data source without one.
#
# posdb_database(OUTPUT <database file> SCRIPTS <sql file> ...)
#   A build rule that creates the database file with posdb-mkdb: the empty
#   catalogue, then the scripts in order. Depend on OUTPUT from a target.

function(posdb_odbc_ini)
    cmake_parse_arguments(ARG "" "DIR;DRIVER;DRIVER_NAME" "DATA_SOURCES" ${ARGN})
    if(NOT ARG_DIR OR NOT ARG_DATA_SOURCES)
        message(FATAL_ERROR "posdb_odbc_ini: DIR and DATA_SOURCES are required")
    endif()
    if(NOT ARG_DRIVER)
        set(ARG_DRIVER posdb_odbc)
    endif()
    if(NOT ARG_DRIVER_NAME)
        set(ARG_DRIVER_NAME posdb)
    endif()

    # DontDLClose keeps the driver mapped after disconnect, so that leak
    # reports from sanitized test runs can still name its code.
    set(odbcinst "[${ARG_DRIVER_NAME}]\n"
                 "Description = Corvane POS database stand-in over SQLite\n"
                 "Driver = $<TARGET_FILE:${ARG_DRIVER}>\n"
                 "FileUsage = 1\n"
                 "DontDLClose = 1\n"
                 # SQLCancel must reach a statement that is running on
                 # another thread, which the default locking would block.
                 "Threading = 1\n")
    set(odbc "")
    foreach(source IN LISTS ARG_DATA_SOURCES)
        string(FIND "${source}" "=" eq)
        if(eq LESS 1)
            message(FATAL_ERROR "posdb_odbc_ini: '${source}' is not <dsn>=<database file>")
        endif()
        string(SUBSTRING "${source}" 0 ${eq} dsn)
        math(EXPR value_start "${eq} + 1")
        string(SUBSTRING "${source}" ${value_start} -1 database)
        string(APPEND odbc "[${dsn}]\n"
                           "Description = Corvane POS database\n"
                           "Driver = ${ARG_DRIVER_NAME}\n")
        if(database)
            string(APPEND odbc "Database = ${database}\n")
        endif()
        string(APPEND odbc "\n")
    endforeach()
    string(JOIN "" odbcinst ${odbcinst})
    file(GENERATE OUTPUT "${ARG_DIR}/odbcinst.ini" CONTENT "${odbcinst}")
    file(GENERATE OUTPUT "${ARG_DIR}/odbc.ini" CONTENT "${odbc}")
endfunction()

function(posdb_database)
    cmake_parse_arguments(ARG "" "OUTPUT" "SCRIPTS" ${ARGN})
    if(NOT ARG_OUTPUT OR NOT ARG_SCRIPTS)
        message(FATAL_ERROR "posdb_database: OUTPUT and SCRIPTS are required")
    endif()
    get_filename_component(dir "${ARG_OUTPUT}" DIRECTORY)
    # A database file is the same on every architecture: a build for another
    # CPU (the 32-bit driver) may create it with the host's posdb-mkdb, since
    # the host may not run its own.
    if(POSDB_HOST_MKDB)
        set(mkdb "${POSDB_HOST_MKDB}")
        set(mkdb_depends "${POSDB_HOST_MKDB}")
    else()
        set(mkdb posdb-mkdb)
        set(mkdb_depends posdb-mkdb)
    endif()
    add_custom_command(
        OUTPUT "${ARG_OUTPUT}"
        COMMAND ${CMAKE_COMMAND} -E make_directory "${dir}"
        COMMAND ${mkdb} "${ARG_OUTPUT}" ${ARG_SCRIPTS}
        DEPENDS ${mkdb_depends} ${ARG_SCRIPTS}
        COMMENT "Creating POS database ${ARG_OUTPUT}"
        VERBATIM)
endfunction()
