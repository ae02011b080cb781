// A program that does nothing until it is ended: the tests put it where
// another program is started from, under that program's file name.
#include <unistd.h>

int main() {
    for (;;) pause();
}
