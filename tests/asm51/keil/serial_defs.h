// Settings of the serial programs
#define BAUD        9600
#define BUF_SIZE    16
#define BUF_START   40H
