# Installs the build tree under a scratch DESTDIR, as a packager would, and
# runs the installed program from a working directory that holds another
# copy of the data (the build tree): it must convert an example, find the
# styles and the help in ../share/quillsong beside its bin/, and find nothing
# when that is missing. The desktop files are checked with the validators
# that are installed (desktop-file-utils, appstream, shared-mime-info, glib).
#
#   cmake -DBUILD_DIR=<tree> -DSOURCE_DIR=<tree> -DWORK_DIR=<scratch> -DICON_SIZES=<16,22,...>
#         -P InstallAndRun.cmake

set(prefix /opt/quillsong)
set(root ${WORK_DIR}/root)
set(installed ${root}${prefix})
set(data ${installed}/share/quillsong)
set(example ${SOURCE_DIR}/examples/ChordsAndDrums.qs)
file(REMOVE_RECURSE ${WORK_DIR})
file(MAKE_DIRECTORY ${WORK_DIR})

function(run what)
    execute_process(COMMAND ${ARGN} WORKING_DIRECTORY ${BUILD_DIR}
        RESULT_VARIABLE result OUTPUT_VARIABLE output ERROR_VARIABLE errors)
    if(NOT result EQUAL 0)
        message(FATAL_ERROR "${what} failed (${result}):\n${output}${errors}")
    endif()
    set(output "${output}" PARENT_SCOPE)
endfunction()

function(expect_files)
    foreach(file IN LISTS ARGN)
        if(NOT EXISTS ${installed}/${file})
            message(FATAL_ERROR "not installed: ${prefix}/${file}")
        endif()
    endforeach()
endfunction()

set(ENV{DESTDIR} ${root})
run("cmake --install" ${CMAKE_COMMAND} --install ${BUILD_DIR} --prefix ${prefix})
unset(ENV{DESTDIR})

set(id org.fernwick.Quillsong)
set(expected bin/quillsong share/quillsong/Pattern/44_Pop.qsx
    share/quillsong/fonts/LarkNotation.otf share/quillsong/help/index.html
    share/quillsong/help/icons/pencil.png share/quillsong/TraditionalChinese.qm
    share/applications/${id}.desktop share/metainfo/${id}.metainfo.xml
    share/mime/packages/quillsong.xml share/thumbnailers/quillsong.thumbnailer
    share/icons/hicolor/scalable/apps/${id}.svg share/man/man1/quillsong.1.gz
    share/doc/quillsong/copyright)
string(REPLACE "," ";" icon_sizes "${ICON_SIZES}")
foreach(size IN LISTS icon_sizes)
    list(APPEND expected share/icons/hicolor/${size}x${size}/apps/${id}.png)
endforeach()
expect_files(${expected})

# The installed program, run from the build tree (whose data lies in the
# working directory), reads its own: the accompaniment in the MIDI file is
# the same as the build's program writes, and the notation font draws a PDF.
set(program ${installed}/bin/quillsong)
run("the build's MIDI export" ${BUILD_DIR}/quillsong -o ${WORK_DIR}/build.mid ${example})
run("the installed MIDI export" ${program} -o ${WORK_DIR}/installed.mid ${example})
file(SHA256 ${WORK_DIR}/build.mid built)
file(SHA256 ${WORK_DIR}/installed.mid made)
if(NOT built STREQUAL made)
    message(FATAL_ERROR "the installed program's MIDI file differs: styles not found")
endif()
run("the installed PDF export" ${program} -o ${WORK_DIR}/installed.pdf ${example})
run("the installed thumbnailer" ${program} --thumbnail ${example} ${WORK_DIR}/thumbnail.png 128)
foreach(file installed.pdf thumbnail.png)
    if(NOT EXISTS ${WORK_DIR}/${file})
        message(FATAL_ERROR "the installed program wrote no ${file}")
    endif()
endforeach()
run("quillsong --help" ${program} --help)
string(FIND "${output}" "The guide for beginners: ${data}/help/index.html" at)
if(at EQUAL -1)
    message(FATAL_ERROR "the installed program does not find its help:\n${output}")
endif()

# The same program without share/ beside it finds nothing, though the working
# directory holds everything: what it found above came from the install.
file(COPY ${program} DESTINATION ${WORK_DIR}/bare)
run("the bare MIDI export" ${WORK_DIR}/bare/quillsong -o ${WORK_DIR}/bare.mid ${example})
file(SHA256 ${WORK_DIR}/bare.mid bare)
if(bare STREQUAL built)
    message(FATAL_ERROR "a program without its data still found the styles")
endif()
run("the bare program's help" ${WORK_DIR}/bare/quillsong --help)
string(FIND "${output}" "The guide for beginners is missing" at)
if(at EQUAL -1)
    message(FATAL_ERROR "a program without its data still found the help:\n${output}")
endif()

# The desktop's parts, with whichever validators this machine has.
find_program(desktop_file_validate desktop-file-validate)
find_program(appstreamcli appstreamcli)
find_program(update_mime_database update-mime-database)
find_program(gio gio)
if(desktop_file_validate)
    run("desktop-file-validate" ${desktop_file_validate} ${installed}/share/applications/${id}.desktop)
else()
    message(STATUS "desktop-file-validate is not installed: the desktop entry is not checked")
endif()
if(appstreamcli)
    run("appstreamcli validate" ${appstreamcli} validate --no-net
        ${installed}/share/metainfo/${id}.metainfo.xml)
else()
    message(STATUS "appstreamcli is not installed: the metainfo is not checked")
endif()
if(update_mime_database AND gio)
    # Songs are told by their root element, also under names that do not
    # say so or that another type claims.
    run("update-mime-database" ${update_mime_database} ${installed}/share/mime)
    file(COPY_FILE ${example} ${WORK_DIR}/song.qs)
    file(COPY_FILE ${example} ${WORK_DIR}/song-without-extension)
    file(WRITE ${WORK_DIR}/query.qs "PREFIX dc: <http://purl.org/dc/elements/1.1/>\n")
    set(ENV{XDG_DATA_HOME} ${installed}/share)
    set(ENV{XDG_DATA_DIRS} /usr/share)
    foreach(check song.qs=application/x-quillsong
                  song-without-extension=application/x-quillsong
                  query.qs=application/sparql-query)
        string(REPLACE "=" ";" check ${check})
        list(GET check 0 file)
        list(GET check 1 type)
        run("gio info" ${gio} info -a standard::content-type ${WORK_DIR}/${file})
        string(FIND "${output}" "standard::content-type: ${type}\n" at)
        if(at EQUAL -1)
            message(FATAL_ERROR "${file} is not ${type}:\n${output}")
        endif()
    endforeach()
else()
    message(STATUS "update-mime-database or gio is missing: the MIME type is not checked")
endif()
file(REMOVE_RECURSE ${WORK_DIR})
