#include "app/voka_app.h"

int main(int argc, char** argv) {
  voka::CVokaApp app(argc, argv);
  app.InitInstance();
  return 0;
}
