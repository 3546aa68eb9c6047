@echo off
rem Installs the PostScript printer "InkvaleB" of the test world: Wine's
rem PostScript driver with our PPD, made the default printer.  The tool and
rem the PPD lie beside this file, which may be in a folder with blanks.
rem The argument the add-in passes (a drive root) is not needed.
"%~dp0printer_install.exe" "%~dp0InkvaleColourLaser.ppd"
exit /b %errorlevel%
