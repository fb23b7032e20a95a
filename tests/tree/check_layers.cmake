# Fails when a file includes something above its layer. The layers, bottom to top:
#   engine/         no Qt and nothing of the project above it
#   game/model/     no widgets, no game/widgets/, no app/
#   game/widgets/   no app/
#   app/core/       the shell's plain code: no widgets, no game/widgets/, no tools/; of app/ only
#                   app/core/ and the plain services (app/services/, not app/services/ui/)
#   tools/          the command line and the build's own programs: no widgets; of app/ only the
#                   plain services (the help pages are written from "Translations.txt")
# Run as: cmake -DROOT=<source dir> -P check_layers.cmake
set(qt_widget_includes "<Q(Widget|Dialog|MainWindow|Label|PushButton|Painter|Menu|Action|Application|Style|Printer|MessageBox|FileDialog|TabWidget|Layout|VBoxLayout|HBoxLayout|Pixmap|Icon|Image|Font|Color|Clipboard)[A-Za-z]*>|<Qt(Widgets|Gui|PrintSupport)")

# Each rule is three list items: its name, its folder, the include pattern it forbids.
set(rules
    "engine;engine;#include *(<Q|\"(game|app|tools)/)"
    "game model;game/model;#include *(${qt_widget_includes}|\"(game/widgets|app|tools)/)"
    "game widgets;game/widgets;#include *\"(app|tools)/"
    "app core;app/core;#include *(${qt_widget_includes}|\"(game/widgets/|app/[a-z_]+\\.h|app/services/ui/|tools/))"
    "command line;tools;#include *(${qt_widget_includes}|\"(game/widgets/|app/[a-z_]+\\.h|app/core/|app/services/ui/))")

set(failures "")
list(LENGTH rules count)
math(EXPR last "${count} / 3 - 1")
foreach(i RANGE ${last})
    math(EXPR n "${i} * 3")
    math(EXPR f "${i} * 3 + 1")
    math(EXPR p "${i} * 3 + 2")
    list(GET rules ${n} layer)
    list(GET rules ${f} folder)
    list(GET rules ${p} pattern)
    file(GLOB_RECURSE sources "${ROOT}/${folder}/*.cpp" "${ROOT}/${folder}/*.h")
    foreach(source IN LISTS sources)
        file(STRINGS "${source}" lines REGEX "^ *#include")
        foreach(line IN LISTS lines)
            if(line MATCHES "${pattern}")
                file(RELATIVE_PATH relative "${ROOT}" "${source}")
                string(APPEND failures "  ${layer}: ${relative}: ${line}\n")
            endif()
        endforeach()
    endforeach()
endforeach()

if(failures)
    message(FATAL_ERROR "Includes above their layer:\n${failures}")
endif()
message(STATUS "Every include stays within its layer")
