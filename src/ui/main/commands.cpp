// Placeholders until the main window's commands land.
#include "core/application.h"

namespace tamrill {

void Form1::command1Click() {}
void Form1::command2Click() {}
void Form1::command4Click() {}
void Form1::command5Click() {}
void Form1::command6Click() { app_.platform.endProgram(); }
void Form1::command7Click() { app_.platform.showForm(app_.form3); }
void Form1::command8Click() { app_.platform.showForm(app_.form2); }

}  // namespace tamrill
