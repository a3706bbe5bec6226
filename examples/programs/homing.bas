' Homing: drive axis 0 backwards until its home switch (input 8) closes,
' stop there and call that place 0.
SPEED AXIS(0) = 50
REVERSE AXIS(0)
WAIT UNTIL IN(8) = ON
CANCEL AXIS(0)
WAIT IDLE AXIS(0)
DEFPOS(0) AXIS(0)
WAIT IDLE AXIS(0)
PRINT "homed"
