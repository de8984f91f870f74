#include "vandrelapplication.h"

int main(int argc, char *argv[])
{
    VandrelApplication app(argc, argv);
    return app.run();
}
