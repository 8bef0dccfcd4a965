# Desktop integration: the application entry, the data file type and the icon.
install(FILES ${CMAKE_CURRENT_LIST_DIR}/planova.desktop
        DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${CMAKE_CURRENT_LIST_DIR}/planova-mime.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/mime/packages RENAME planova.xml)
install(FILES ${CMAKE_CURRENT_LIST_DIR}/planova.svg
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
