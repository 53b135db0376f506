# Precompiled Qt headers. Parsing Qt's headers is most of every file's compile time, so two sets
# are built once and reused: Qt Core for the logic libraries and the programs, Qt Widgets for the
# widget glue and the tests. A target reuses a set only when the set's Qt definitions are among its
# own, which linking the set's Qt module ensures; the compiler refuses a set that does not match.
set(qt_core_headers <QByteArray> <QDateTime> <QDebug> <QDir> <QElapsedTimer> <QFile> <QHash>
    <QList> <QLocale> <QMap> <QObject> <QPointer> <QString> <QStringList> <QTimer> <QVariant>)
add_library(velmora_core_headers OBJECT ${CMAKE_CURRENT_LIST_DIR}/precompiled_headers.cpp)
target_link_libraries(velmora_core_headers PUBLIC Qt6::Core)
target_precompile_headers(velmora_core_headers PRIVATE ${qt_core_headers})

add_library(velmora_widget_headers OBJECT ${CMAKE_CURRENT_LIST_DIR}/precompiled_headers.cpp)
target_link_libraries(velmora_widget_headers PUBLIC Qt6::Widgets)
target_precompile_headers(velmora_widget_headers PRIVATE ${qt_core_headers} <QApplication>
                          <QCheckBox> <QComboBox> <QImage> <QLabel> <QLineEdit> <QPainter>
                          <QPushButton> <QTabWidget> <QTableWidget> <QWidget>)

# True in `out` when `target` links Qt Widgets, itself or through one of the project's libraries.
function(velmora_links_widgets target out)
  set(${out} FALSE PARENT_SCOPE)
  get_target_property(libs ${target} LINK_LIBRARIES)
  foreach(lib IN LISTS libs)
    if(lib MATCHES "^Qt6::(Widgets|Charts)$")
      set(${out} TRUE PARENT_SCOPE)
      return()
    elseif(lib MATCHES "^velmora_" AND TARGET ${lib})
      velmora_links_widgets(${lib} found)
      if(found)
        set(${out} TRUE PARENT_SCOPE)
        return()
      endif()
    endif()
  endforeach()
endfunction()

# Gives every library and program made in the folders named the header set that fits it.
function(velmora_reuse_qt_headers)
  foreach(dir IN LISTS ARGN)
    get_property(targets DIRECTORY ${dir} PROPERTY BUILDSYSTEM_TARGETS)
    foreach(target IN LISTS targets)
      get_target_property(type ${target} TYPE)
      if(type STREQUAL "STATIC_LIBRARY" OR type STREQUAL "EXECUTABLE")
        velmora_links_widgets(${target} widgets)
        if(widgets)
          target_precompile_headers(${target} REUSE_FROM velmora_widget_headers)
        else()
          target_precompile_headers(${target} REUSE_FROM velmora_core_headers)
        endif()
      endif()
    endforeach()
  endforeach()
endfunction()
