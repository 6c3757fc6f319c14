// The program block of Carolune: the options are read, the application
// gets its title and help file, the main window is made and the message
// loop runs until it closes; the options are written when the program ends.
#include <QApplication>

#include "app/CaroluneOptions.h"
#include "app/MainFrm.h"
#include "windowing/Application.h"
#include "windowing/Guarded.h"

int main(int argc, char** argv) {
  CaroluneOption = TVeskaroOption::Create<TCaroluneOption>();
  bool ran = false;
  {
    QApplication app(argc, argv);
    Application().SetTitle("Carolune");
    Application().SetHelpFile("carolune.chm");
    // A window that cannot be made is reported in the error box.
    Guarded([] { Application().CreateForm<TfrmMain>(); });
    ran = Application().MainForm() != nullptr;
    if (ran) Application().Run();
    // The windows go while the platform's application still exists.
    Application().DestroyComponents();
  }
  CaroluneOption.reset();
  return ran ? 0 : 1;
}
