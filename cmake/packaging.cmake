# What the Debian package installs, and the package itself (CPack's DEB generator, from the
# build that the tests ran: no second compile). `bash scripts/package.sh` makes
# build/corvalin_<version>_<arch>.deb.
include(GNUInstallDirs)

set(CORVALIN_APP_ID org.corvalin.Corvalin)
set(CORVALIN_HOMEPAGE "https://corvalin.org/" CACHE STRING
    "Where the project is published, with its docs/ folder (the screenshots of the AppStream data)")
set(CORVALIN_PACKAGE_PREFIX /usr)
set(pkg ${CMAKE_BINARY_DIR}/packaging)
set(src ${PROJECT_SOURCE_DIR}/packaging)

configure_file(${src}/${CORVALIN_APP_ID}.metainfo.xml.in ${pkg}/${CORVALIN_APP_ID}.metainfo.xml @ONLY)
configure_file(${src}/copyright ${pkg}/copyright @ONLY)
configure_file(${src}/corvalin.1 ${pkg}/corvalin.1 @ONLY)
configure_file(${src}/changelog ${pkg}/changelog @ONLY)
set(CORVALIN_EXEC ${CORVALIN_PACKAGE_PREFIX}/bin/corvalin)
configure_file(${PROJECT_SOURCE_DIR}/assets/systemd/corvalin.service.in ${pkg}/corvalin.service @ONLY)
# Compressed as Debian wants them: the same bytes at every build.
foreach(file corvalin.1 changelog)
  execute_process(COMMAND gzip -9nc ${pkg}/${file} OUTPUT_FILE ${pkg}/${file}.gz COMMAND_ERROR_IS_FATAL ANY)
endforeach()

install(PROGRAMS $<TARGET_FILE:Corvalin> DESTINATION ${CMAKE_INSTALL_BINDIR} RENAME corvalin)
if(CMAKE_STRIP)
  install(CODE "execute_process(COMMAND ${CMAKE_STRIP} --strip-unneeded --remove-section=.comment --remove-section=.note
                \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_BINDIR}/corvalin\" COMMAND_ERROR_IS_FATAL ANY)")
endif()
install(DIRECTORY ${CORVALIN_PROGRAM_DIR}/sound ${CORVALIN_PROGRAM_DIR}/img DESTINATION ${CMAKE_INSTALL_DATADIR}/corvalin)
install(FILES ${CORVALIN_PROGRAM_DIR}/readme.txt DESTINATION ${CMAKE_INSTALL_DATADIR}/corvalin)
install(FILES ${CORVALIN_QM_FILES} DESTINATION ${CMAKE_INSTALL_DATADIR}/corvalin/translations)
install(FILES ${src}/${CORVALIN_APP_ID}.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${pkg}/${CORVALIN_APP_ID}.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(FILES ${PROJECT_SOURCE_DIR}/assets/icon/corvalin.svg
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps RENAME ${CORVALIN_APP_ID}.svg)
foreach(size 16 24 32 48 64 128 256)
  install(FILES ${PROJECT_SOURCE_DIR}/assets/img/corvalin-${size}.png
          DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps RENAME ${CORVALIN_APP_ID}.png)
endforeach()
install(FILES ${pkg}/corvalin.service DESTINATION lib/systemd/user)
install(FILES ${PROJECT_SOURCE_DIR}/src/core/control/org.corvalin.Corvalin1.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/dbus-1/interfaces)
install(FILES ${pkg}/corvalin.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
install(FILES ${pkg}/copyright ${pkg}/changelog.gz DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/corvalin)

set(CMAKE_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
    OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
execute_process(COMMAND dpkg --print-architecture OUTPUT_VARIABLE arch OUTPUT_STRIP_TRAILING_WHITESPACE)
if(NOT arch)
  set(arch amd64)
endif()
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME corvalin)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "The Corvalin developers")
set(CPACK_PACKAGE_CONTACT "The Corvalin developers <bells@corvalin.org>")
set(CPACK_PACKAGING_INSTALL_PREFIX ${CORVALIN_PACKAGE_PREFIX})
set(CPACK_OUTPUT_FILE_PREFIX ${CMAKE_BINARY_DIR})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "bell scheduler for schools and shops")
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION "Corvalin rings the bells of a school or a shop from the PC it runs on, on
time, day after day: at the times of a list, each with its own sound, or at
the times of a day made from its start, end, lesson and break lengths with
pre-bells. It rings on a sound card of its own and can mute the default card
for each bell, follows a school calendar, keeps the clock right from an
internet time server and can switch the computer off at a booked time.
.
It can also ring from power-on with nobody logged on, as a systemd user
service, and hand the bells to its window when the operator logs on.")
set(CPACK_DEBIAN_FILE_NAME corvalin_${PROJECT_VERSION}_${arch}.deb)
set(CPACK_DEBIAN_PACKAGE_ARCHITECTURE ${arch})
set(CPACK_DEBIAN_PACKAGE_SECTION sound)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE ${CORVALIN_HOMEPAGE})
# The libraries the program links, as dpkg-shlibdeps finds them; a sound server to ring on.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Qt's own translations, for its dialogs and standard buttons in the operator's language.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "pipewire-pulse | pulseaudio, qt6-translations-l10n")
set(CPACK_DEBIAN_COMPRESSION_TYPE xz)
set(CPACK_STRIP_FILES OFF)
include(CPack)
