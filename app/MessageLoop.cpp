#include "app/MessageLoop.h"

#include "toolkit/Application.h"

void RunMessageLoop(Form& window) {
    Application::run(window);
}
