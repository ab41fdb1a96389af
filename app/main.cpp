// The recorder's user-interface program.
#include "startup.h"

int main(int argc, char** argv)
{
    return dvruiMain(argc, argv);
}
