; Blinks an LED on RB0 of a PIC16F84, with ID words and data EEPROM contents,
; so that the HEX file has program, ID, configuration and data EEPROM records.
        list    p=16f84
        errorlevel -302
        #include <p16f84.inc>
        __config _XT_OSC & _WDT_OFF & _PWRTE_ON & _CP_OFF
        __idlocs 0x1234

counter equ     0x0C

        org     0x0000
        goto    start
        org     0x0004
        retfie
start:
        bsf     STATUS, RP0
        clrf    TRISB
        bcf     STATUS, RP0
loop:
        movlw   0x01
        xorwf   PORTB, f
        decfsz  counter, f
        goto    $-1
        goto    loop

        org     0x2100
        de      0x11, 0x22, 0x33, 0xA5
        end
