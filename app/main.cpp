// TolvaGame: the program.
#include "app/CTolvaApp.h"

int main(int argc, char** argv) {
  tolva::CTolvaApp app(argc, argv);
  if (!app.InitInstance()) return 0;
  return app.exec();
}
