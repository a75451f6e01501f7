#define A0 1
#define A1 A0+A0
#define A2 A1+A1
#define F(x) x x
#if A2 > 2
DB F(F(A2))
#endif
Â MOV A,#1 /* open
#endif
#include <x.inc>
#include "CON"
$INCLUDE (\\.\COM1)
NOP
after