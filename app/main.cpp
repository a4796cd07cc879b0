#include "GustrelApp.h"

int main(int argc, char** argv)
{
    return runGustrel(argc, argv);
}
