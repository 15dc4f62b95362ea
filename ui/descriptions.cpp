#include "ui/examples/examples_window.h"
#include "ui/main/main_window.h"

const WindowDesc& DescriptionOf(WindowId id) {
    return id == WindowId::Main ? MainWindow : ExamplesWindow;
}
