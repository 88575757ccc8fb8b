// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/voka_app.h"

int main(int argc, char** argv) {
  voka::CVokaApp app(argc, argv);
  app.InitInstance();
  return 0;
}
