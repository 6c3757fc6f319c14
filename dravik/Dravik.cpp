// The program block of the standalone filter editor: the application with
// its title, the filter editor as the main window on a new untitled filter,
// and the message loop until that window closes.
#include <QApplication>

#include "filters/DravikFrm.h"
#include "windowing/Application.h"
#include "windowing/Guarded.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QCoreApplication::setApplicationName("Dravik");
  QCoreApplication::setOrganizationName("Carolune");
  QCoreApplication::setApplicationVersion("1.0.0.12");
  Application().SetTitle("Dravik - Carolune");
  Guarded([] { Application().CreateForm<TfrmDravik>(); });
  Application().Run();
  // The windows go before the Qt application that shows them.
  Application().DestroyComponents();
  return 0;
}
