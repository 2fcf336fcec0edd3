// The program's entry point hands over to the framework, which runs the application object.
#include "platform/win/CWinApp.h"

int main(int argc, char** argv) {
    return AfxWinMain(argc, argv);
}
