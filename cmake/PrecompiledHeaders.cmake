# Precompiled headers for the targets whose sources spend most of their compile time parsing the
# same library headers (Qt Widgets, GoogleTest, nlohmann/json). Only headers from outside the
# project go in, so the layer rules (docs/layers.md) still see every project include.
#
# planova_precompile(TARGET SET...) gives TARGET its own precompiled header made of the named sets;
# planova_precompile_like(TARGET DONOR) makes TARGET reuse DONOR's. A target reuses a header only
# when its compile options match the donor's (same sanitizers, same -fPIC): GCC silently ignores a
# precompiled header that does not match and parses the headers again, which is correct but slow.
#
# PLANOVA_PCH=OFF builds without them, which is how to check that every source includes what it
# uses.

option(PLANOVA_PCH "Precompile the library headers most sources include" ON)

set(PLANOVA_PCH_STD <algorithm> <array> <cstdint> <filesystem> <functional> <map> <memory>
  <optional> <set> <string> <string_view> <utility> <vector>)
# The widgets most sources use, not whole modules: a precompiled header of all of Qt Widgets is
# several hundred megabytes, and reading it costs more than it saves.
set(PLANOVA_PCH_QTWIDGETS <QString> <QStringList> <QFile> <QDir> <QFileInfo> <QPainter> <QApplication>
  <QWidget> <QDialog> <QDialogButtonBox> <QLabel> <QPushButton> <QLineEdit> <QCheckBox>
  <QBoxLayout> <QGridLayout>)
set(PLANOVA_PCH_QTTEST <QtTest/QtTest>)

function(planova_precompile target)
  if(NOT PLANOVA_PCH)
    return()
  endif()
  set(headers)
  foreach(set ${ARGN})
    list(APPEND headers ${PLANOVA_PCH_${set}})
  endforeach()
  target_precompile_headers(${target} PRIVATE ${headers})
endfunction()

function(planova_precompile_like target donor)
  if(PLANOVA_PCH)
    target_precompile_headers(${target} REUSE_FROM ${donor})
  endif()
endfunction()
