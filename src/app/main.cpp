#include "app/orvel_app.h"

int main(int argc, char** argv) {
    COrvelApp app(argc, argv);
    if (!app.InitInstance())
        return 1;
    return COrvelApp::exec();
}
