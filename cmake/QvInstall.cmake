# What `cmake --install` puts where, and the Debian package made from it by CPack.
#
# An installed program finds what it ships in share/quellvantar beside its bin/ folder and keeps
# the person's files in ~/.config/Quellvantar (see src/base/ProgramFolders).
include(GNUInstallDirs)
set(QV_DATA_INSTALL_DIR ${CMAKE_INSTALL_DATADIR}/quellvantar)

install(TARGETS quellvantar quellvantar-cli RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})

install(FILES ${PROJECT_SOURCE_DIR}/data/QuellvantarConfig.cfg ${QV_OUTPUT_DIR}/DemoKunde.cfg
              ${QV_OUTPUT_DIR}/Beispielauftrag.ORv
        DESTINATION ${QV_DATA_INSTALL_DIR})
# The format database as built from its SQL, never a copy someone edited in the build folder.
install(FILES ${PROJECT_BINARY_DIR}/data/BPRdb.neu.sqlite DESTINATION ${QV_DATA_INSTALL_DIR} RENAME BPRdb.sqlite)
install(DIRECTORY ${PROJECT_SOURCE_DIR}/data/DemoBPR ${PROJECT_SOURCE_DIR}/data/DemoDICOM
        DESTINATION ${QV_DATA_INSTALL_DIR})

# Qt's German texts for the standard dialogs, loaded from share/quellvantar/translations.
set(QV_QT_TRANSLATION ${QT6_INSTALL_PREFIX}/${QT6_INSTALL_TRANSLATIONS}/qtbase_de.qm)
if(EXISTS ${QV_QT_TRANSLATION})
  install(FILES ${QV_QT_TRANSLATION} DESTINATION ${QV_DATA_INSTALL_DIR}/translations)
else()
  message(WARNING "${QV_QT_TRANSLATION} fehlt (Debian-Paket qt6-translations-l10n): "
                  "das installierte Programm zeigt Qts Standarddialoge dann englisch.")
endif()

# Desktop entry, order file type, icon and thumbnailer.
install(FILES ${PROJECT_SOURCE_DIR}/packaging/quellvantar.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${PROJECT_SOURCE_DIR}/packaging/quellvantar-auftrag.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/mime/packages RENAME quellvantar.xml)
install(FILES ${PROJECT_SOURCE_DIR}/packaging/quellvantar.svg
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
# File managers show order files as their picture (quellvantar-cli vorschau).
install(FILES ${PROJECT_SOURCE_DIR}/packaging/quellvantar.thumbnailer DESTINATION ${CMAKE_INSTALL_DATADIR}/thumbnailers)

# Debian wants a copyright file and a compressed changelog in the package's doc folder.
set(QV_CHANGELOG ${PROJECT_BINARY_DIR}/packaging/changelog.gz)
add_custom_command(OUTPUT ${QV_CHANGELOG}
  COMMAND ${CMAKE_COMMAND} -E make_directory ${PROJECT_BINARY_DIR}/packaging
  COMMAND gzip -9 -n -c ${PROJECT_SOURCE_DIR}/packaging/changelog > ${QV_CHANGELOG}
  DEPENDS ${PROJECT_SOURCE_DIR}/packaging/changelog
  VERBATIM)
add_custom_target(qv_changelog ALL DEPENDS ${QV_CHANGELOG})
install(FILES ${PROJECT_SOURCE_DIR}/packaging/copyright ${QV_CHANGELOG}
        DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/quellvantar)

# Manual pages, compressed as Debian wants them.
foreach(seite quellvantar quellvantar-cli)
  add_custom_command(OUTPUT ${PROJECT_BINARY_DIR}/packaging/${seite}.1.gz
    COMMAND ${CMAKE_COMMAND} -E make_directory ${PROJECT_BINARY_DIR}/packaging
    COMMAND gzip -9 -n -c ${PROJECT_SOURCE_DIR}/packaging/${seite}.1 > ${PROJECT_BINARY_DIR}/packaging/${seite}.1.gz
    DEPENDS ${PROJECT_SOURCE_DIR}/packaging/${seite}.1
    VERBATIM)
  list(APPEND QV_MAN_SEITEN ${PROJECT_BINARY_DIR}/packaging/${seite}.1.gz)
endforeach()
add_custom_target(qv_man_seiten ALL DEPENDS ${QV_MAN_SEITEN})
install(FILES ${QV_MAN_SEITEN} DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)

# cpack -G DEB in the build folder (./scripts/package does it).
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME quellvantar)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "Quellvantar")
set(CPACK_PACKAGE_CONTACT "Quellvantar-Entwicklung <entwicklung@quellvantar.example>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "orders custom beam-shaping parts for radiotherapy")
# CPack puts the summary first and indents these lines.
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION "A German-language desktop program with which a radiotherapy department
traces, generates or imports the outlines of cast shielding blocks and
electron cut-outs and saves them as one order file for the maker; in the
maker's mode it exports received orders to the production formats.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
    OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION science)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# dcmdump for the DICOM import; Qt's SQL drivers are plugins that no library dependency names.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "dcmtk, libqt6sql6-sqlite, libqt6sql6-psql")
# xdg-email opens the person's mail program with the saved order (without it the folder is shown).
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "xdg-utils")
# Desktop and MIME databases are updated by the triggers of desktop-file-utils and
# shared-mime-info; the package needs no maintainer scripts.
include(CPack)
