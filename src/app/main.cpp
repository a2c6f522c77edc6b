#include "app/command_driver.h"
#include "ui/windowed.h"

int main(int argc, char** argv) {
    return ludowell::entry(argc, argv, {ludowell::runWindowed, ludowell::showCatalogFailure});
}
