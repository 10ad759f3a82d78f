#pragma once
class Form;

// Shows the application window (its shown event prepares the reading view) and waits for
// and dispatches messages until the quit message arrives; then destroys the window with its
// controls and its release-on-destroy list. The idle program sleeps in WaitMessage; the pump
// itself is Application::processMessages, which long operations call as well.
void RunMessageLoop(Form& window);
