# Desktop integration and documentation: the application entry, the data file type, the icon, the
# AppStream metadata, the manual pages, the bash completion of planova-cli, and the copyright and
# changelog files of the Debian package.
set(PLANOVA_MAINTAINER "Planova developers <planova@korvane.invalid>"
    CACHE STRING "Name and mail address of the package's maintainer (Debian control file, changelog)")
set(PLANOVA_HOMEPAGE "https://korvane.jp/planova/"
    CACHE STRING "The project's web page (AppStream metadata; screenshots are under docs/images/ there)")

# The compiler's version note (section .comment) is of no use in an installed program or module;
# Debian's own packages leave it out, and lintian notes it otherwise (binary-has-unneeded-section).
install(CODE "
  foreach(binary ${CMAKE_INSTALL_BINDIR}/planova ${CMAKE_INSTALL_BINDIR}/planova-cli
                 ${PLANOVA_INTERCHANGE_DIR}/planova-interchange.so)
    execute_process(COMMAND \"${CMAKE_OBJCOPY}\" --remove-section=.comment
      \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/\${binary}\" RESULT_VARIABLE failed)
    if(failed)
      message(FATAL_ERROR \"objcopy failed on \${binary}\")
    endif()
  endforeach()")

install(FILES ${CMAKE_CURRENT_LIST_DIR}/planova.desktop
        DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${CMAKE_CURRENT_LIST_DIR}/planova-mime.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/mime/packages RENAME planova.xml)
install(FILES ${CMAKE_CURRENT_LIST_DIR}/planova.svg
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
configure_file(${CMAKE_CURRENT_LIST_DIR}/planova.metainfo.xml.in
               ${CMAKE_BINARY_DIR}/package/jp.korvane.Planova.metainfo.xml @ONLY)
install(FILES ${CMAKE_BINARY_DIR}/package/jp.korvane.Planova.metainfo.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(FILES ${CMAKE_CURRENT_LIST_DIR}/completion/planova-cli
        DESTINATION ${CMAKE_INSTALL_DATADIR}/bash-completion/completions)
install(FILES ${CMAKE_CURRENT_LIST_DIR}/package/copyright
        DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/planova)

# Manual pages and the changelog are installed compressed, reproducibly (gzip -n leaves out the
# name and time stamp).
configure_file(${CMAKE_CURRENT_LIST_DIR}/package/changelog.in ${CMAKE_BINARY_DIR}/package/changelog @ONLY)
set(planova_compressed)
function(planova_gzip source target destination)
  add_custom_command(OUTPUT ${target}
    COMMAND gzip -9nc ${source} > ${target}
    DEPENDS ${source} VERBATIM)
  set(planova_compressed ${planova_compressed} ${target} PARENT_SCOPE)
  install(FILES ${target} DESTINATION ${destination})
endfunction()
planova_gzip(${CMAKE_BINARY_DIR}/package/changelog ${CMAKE_BINARY_DIR}/package/changelog.gz
             ${CMAKE_INSTALL_DATADIR}/doc/planova)
foreach(page planova planova-cli)
  planova_gzip(${CMAKE_CURRENT_LIST_DIR}/man/${page}.1 ${CMAKE_BINARY_DIR}/package/man/${page}.1.gz
               ${CMAKE_INSTALL_MANDIR}/man1)
  planova_gzip(${CMAKE_CURRENT_LIST_DIR}/man/ja/${page}.1 ${CMAKE_BINARY_DIR}/package/man/ja/${page}.1.gz
               ${CMAKE_INSTALL_MANDIR}/ja/man1)
endforeach()
file(MAKE_DIRECTORY ${CMAKE_BINARY_DIR}/package/man/ja)
add_custom_target(planova_compressed_docs ALL DEPENDS ${planova_compressed})
