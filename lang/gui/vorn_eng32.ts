<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_GB">
<context>
    <name></name>
    <message id="5300">
        <source>Save changes to %1?</source>
        <translation>Save changes to %1?</translation>
    </message>
    <message id="5301">
        <source>&amp;File</source>
        <translation>&amp;File</translation>
    </message>
    <message id="5302">
        <source>&amp;New</source>
        <translation>&amp;New</translation>
    </message>
    <message id="5303">
        <source>&amp;Open...</source>
        <translation>&amp;Open...</translation>
    </message>
    <message id="5304">
        <source>&amp;Save</source>
        <translation>&amp;Save</translation>
    </message>
    <message id="5305">
        <source>Save &amp;As...</source>
        <translation>Save &amp;As...</translation>
    </message>
    <message id="5306">
        <source>&amp;Print...</source>
        <translation>&amp;Print...</translation>
    </message>
    <message id="5307">
        <source>Print Pre&amp;view</source>
        <translation>Print Pre&amp;view</translation>
    </message>
    <message id="5308">
        <source>P&amp;rint Setup...</source>
        <translation>P&amp;rint Setup...</translation>
    </message>
    <message id="5309">
        <source>E&amp;xport as PDF...</source>
        <translation>Export as P&amp;DF...</translation>
    </message>
    <message id="5310">
        <source>Recent File</source>
        <translation>Recent File</translation>
    </message>
    <message id="5311">
        <source>E&amp;xit</source>
        <translation>E&amp;xit</translation>
    </message>
    <message id="5312">
        <source>&amp;Edit</source>
        <translation>&amp;Edit</translation>
    </message>
    <message id="5313">
        <source>&amp;Undo</source>
        <translation>&amp;Undo</translation>
    </message>
    <message id="5314">
        <source>Cu&amp;t</source>
        <translation>Cu&amp;t</translation>
    </message>
    <message id="5315">
        <source>&amp;Copy</source>
        <translation>&amp;Copy</translation>
    </message>
    <message id="5316">
        <source>&amp;Paste</source>
        <translation>&amp;Paste</translation>
    </message>
    <message id="5317">
        <source>&amp;View</source>
        <translation>&amp;View</translation>
    </message>
    <message id="5318">
        <source>&amp;Toolbar</source>
        <translation>&amp;Toolbar</translation>
    </message>
    <message id="5319">
        <source>&amp;Status Bar</source>
        <translation>&amp;Status Bar</translation>
    </message>
    <message id="5320">
        <source>&amp;Gauge</source>
        <translation>&amp;Gauge</translation>
    </message>
    <message id="5321">
        <source>&amp;Choose master type...</source>
        <translation>&amp;Choose master type...</translation>
    </message>
    <message id="5322">
        <source>&amp;Read from gauge</source>
        <translation>&amp;Read from gauge</translation>
    </message>
    <message id="5323">
        <source>&amp;Write to gauge</source>
        <translation>&amp;Write to gauge</translation>
    </message>
    <message id="5324">
        <source>&amp;Diagnostics...</source>
        <translation>&amp;Diagnostics...</translation>
    </message>
    <message id="5325">
        <source>C&amp;ommunication settings...</source>
        <translation>C&amp;ommunication settings...</translation>
    </message>
    <message id="5326">
        <source>&amp;Help</source>
        <translation>&amp;Help</translation>
    </message>
    <message id="5327">
        <source>&amp;About Skaleron...</source>
        <translation>&amp;About Skaleron...</translation>
    </message>
    <message id="5330">
        <source>Create a new project</source>
        <translation>Create a new project</translation>
    </message>
    <message id="5331">
        <source>Open an existing project</source>
        <translation>Open an existing project</translation>
    </message>
    <message id="5332">
        <source>Save the project</source>
        <translation>Save the project</translation>
    </message>
    <message id="5333">
        <source>Save the project under a new name</source>
        <translation>Save the project under a new name</translation>
    </message>
    <message id="5334">
        <source>Print the configuration sheet</source>
        <translation>Print the configuration sheet</translation>
    </message>
    <message id="5335">
        <source>Show the configuration sheet as it will be printed</source>
        <translation>Show the configuration sheet as it will be printed</translation>
    </message>
    <message id="5336">
        <source>Choose the printer and the page</source>
        <translation>Choose the printer and the page</translation>
    </message>
    <message id="5337">
        <source>Save the configuration sheet as a PDF file</source>
        <translation>Save the configuration sheet as a PDF file</translation>
    </message>
    <message id="5338">
        <source>Open this project</source>
        <translation>Open this project</translation>
    </message>
    <message id="5339">
        <source>Quit the program; asks whether to save the project</source>
        <translation>Quit the program; asks whether to save the project</translation>
    </message>
    <message id="5340">
        <source>Undo the last change</source>
        <translation>Undo the last change</translation>
    </message>
    <message id="5341">
        <source>Cut the selection and put it on the clipboard</source>
        <translation>Cut the selection and put it on the clipboard</translation>
    </message>
    <message id="5342">
        <source>Copy the selection to the clipboard</source>
        <translation>Copy the selection to the clipboard</translation>
    </message>
    <message id="5343">
        <source>Insert the contents of the clipboard</source>
        <translation>Insert the contents of the clipboard</translation>
    </message>
    <message id="5344">
        <source>Show or hide the toolbar</source>
        <translation>Show or hide the toolbar</translation>
    </message>
    <message id="5345">
        <source>Show or hide the status bar</source>
        <translation>Show or hide the status bar</translation>
    </message>
    <message id="5346">
        <source>Choose the master gauge type of the project</source>
        <translation>Choose the master gauge type of the project</translation>
    </message>
    <message id="5347">
        <source>Read the configuration from the connected gauge</source>
        <translation>Read the configuration from the connected gauge</translation>
    </message>
    <message id="5348">
        <source>Write the configuration to the connected gauge</source>
        <translation>Write the configuration to the connected gauge</translation>
    </message>
    <message id="5349">
        <source>Show the diagnostics of the connected gauge</source>
        <translation>Show the diagnostics of the connected gauge</translation>
    </message>
    <message id="5350">
        <source>Choose the language, the catalogue and the serial port</source>
        <translation>Choose the language, the catalogue and the serial port</translation>
    </message>
    <message id="5351">
        <source>Show the program's version</source>
        <translation>Show the program's version</translation>
    </message>
    <message id="5355">
        <source>Reading the configuration from the gauge</source>
        <translation>Reading the configuration from the gauge</translation>
    </message>
    <message id="5356">
        <source>Writing the configuration to the gauge</source>
        <translation>Writing the configuration to the gauge</translation>
    </message>
    <message id="5357">
        <source>Presetting the counter of the gauge</source>
        <translation>Presetting the counter of the gauge</translation>
    </message>
    <message id="5358">
        <source>Step %1 of %2: %3</source>
        <translation>Step %1 of %2: %3</translation>
    </message>
    <message id="5359">
        <source>Stopping after the present step...</source>
        <translation>Stopping after the present step...</translation>
    </message>
    <message id="5360">
        <source>The transfer was cancelled. The steps finished before the cancel have taken effect.</source>
        <translation>The transfer was cancelled. The steps finished before the cancel have taken effect.</translation>
    </message>
    <message id="5361">
        <source>Connecting to the gauge...</source>
        <translation>Connecting to the gauge...</translation>
    </message>
    <message id="5362">
        <source>The demo gauge could not be started: %1</source>
        <translation>The demo gauge could not be started: %1</translation>
    </message>
    <message id="5363">
        <source>Demo gauge: choose a master type, then read from or write to the simulated gauge</source>
        <translation>Demo gauge: choose a master type, then read from or write to the simulated gauge</translation>
    </message>
    <message id="5370">
        <source>Skaleron configuration sheet</source>
        <translation>Skaleron configuration sheet</translation>
    </message>
    <message id="5371">
        <source>Project file: %1</source>
        <translation>Project file: %1</translation>
    </message>
    <message id="5372">
        <source>Printed: %1</source>
        <translation>Printed: %1</translation>
    </message>
    <message id="5373">
        <source>Master type</source>
        <translation>Master type</translation>
    </message>
    <message id="5374">
        <source>Settings</source>
        <translation>Settings</translation>
    </message>
    <message id="5376">
        <source>yes</source>
        <translation>yes</translation>
    </message>
    <message id="5377">
        <source>no</source>
        <translation>no</translation>
    </message>
    <message id="5378">
        <source>not saved yet</source>
        <translation>not saved yet</translation>
    </message>
    <message id="5380">
        <source>The PDF file "%1" could not be written.</source>
        <translation>The PDF file "%1" could not be written.</translation>
    </message>
    <message id="5381">
        <source>No printer is available. Use "Export as PDF" to keep the sheet as a file.</source>
        <translation>No printer is available. Use "Export as PDF" to keep the sheet as a file.</translation>
    </message>
    <message id="5382">
        <source>PDF files (*.pdf)</source>
        <translation>PDF files (*.pdf)</translation>
    </message>
    <message id="5383">
        <source>Export as PDF</source>
        <translation>Export as PDF</translation>
    </message>
    <message id="5390">
        <source>Logging in</source>
        <translation>Logging in</translation>
    </message>
    <message id="5391">
        <source>Checking the connection</source>
        <translation>Checking the connection</translation>
    </message>
    <message id="5392">
        <source>Reading register %1</source>
        <translation>Reading register %1</translation>
    </message>
    <message id="5393">
        <source>Writing register %1</source>
        <translation>Writing register %1</translation>
    </message>
    <message id="5394">
        <source>Reading the parameter block</source>
        <translation>Reading the parameter block</translation>
    </message>
    <message id="5395">
        <source>Preparing the gauge for the new block</source>
        <translation>Preparing the gauge for the new block</translation>
    </message>
    <message id="5396">
        <source>Writing the parameter block</source>
        <translation>Writing the parameter block</translation>
    </message>
    <message id="5397">
        <source>Storing the settings in the gauge</source>
        <translation>Storing the settings in the gauge</translation>
    </message>
    <message id="5398">
        <source>Logging in for service</source>
        <translation>Logging in for service</translation>
    </message>
    <message id="5399">
        <source>Writing counter memory at %1</source>
        <translation>Writing counter memory at %1</translation>
    </message>
    <message id="5384">
        <source>The settings the gauge held before were saved in %1 (Gauge → Restore backup writes them back).</source>
        <translation>The settings the gauge held before were saved in %1 (Gauge → Restore backup writes them back).</translation>
    </message>
    <message id="5364">
        <source>Gauge port: %1</source>
        <translation>Gauge port: %1</translation>
    </message>
    <message id="5328">
        <source>Restore &amp;backup...</source>
        <translation>Restore &amp;backup...</translation>
    </message>
    <message id="5352">
        <source>Write a backed-up parameter block back to the gauge</source>
        <translation>Write a backed-up parameter block back to the gauge</translation>
    </message>
    <message id="5353">
        <source>Restore backup</source>
        <translation>Restore backup</translation>
    </message>
    <message id="5354">
        <source>Saved</source>
        <translation>Saved</translation>
    </message>
    <message id="5365">
        <source>Gauge family</source>
        <translation>Gauge family</translation>
    </message>
    <message id="5366">
        <source>Firmware</source>
        <translation>Firmware</translation>
    </message>
    <message id="5367">
        <source>File</source>
        <translation>File</translation>
    </message>
    <message id="5368">
        <source>Block family (parameter block)</source>
        <translation>Block family (parameter block)</translation>
    </message>
    <message id="5369">
        <source>There is no backup in %1 yet. One is made each time a configuration is written to a gauge that keeps a parameter block.</source>
        <translation>There is no backup in %1 yet. One is made each time a configuration is written to a gauge that keeps a parameter block.</translation>
    </message>
    <message id="5385">
        <source>Write the backup %1 back to the gauge? The block the gauge holds now is backed up first.</source>
        <translation>Write the backup %1 back to the gauge? The block the gauge holds now is backed up first.</translation>
    </message>
    <message id="5386">
        <source>Writing the backup to the gauge</source>
        <translation>Writing the backup to the gauge</translation>
    </message>
    <message id="5387">
        <source>Choosing the master type "%1" sets all settings of this project back to their starting values. Choose it?</source>
        <translation>Choosing the master type "%1" sets all settings of this project back to their starting values. Choose it?</translation>
    </message>
    <message id="5388">
        <source>Master type %1 is not in the catalogue: reading and writing are off</source>
        <translation>Master type %1 is not in the catalogue: reading and writing are off</translation>
    </message>
    <message id="5329">
        <source>&amp;User manual</source>
        <translation>&amp;User manual</translation>
    </message>
    <message id="5389">
        <source>Open the user manual in the web browser</source>
        <translation>Open the user manual in the web browser</translation>
    </message>
    <message id="5379">
        <source>The user manual %1 is missing; it comes with the program.</source>
        <translation>The user manual %1 is missing; it comes with the program.</translation>
    </message>
    <message id="5375">
        <source>No web browser could be started to show the user manual %1.</source>
        <translation>No web browser could be started to show the user manual %1.</translation>
    </message>
    <message id="5600">
        <source>Gauge %1: </source>
        <translation>Gauge %1: </translation>
    </message>
    <message id="5601">
        <source>Aux</source>
        <translation>Aux</translation>
    </message>
    <message id="5602">
        <source>Temperature</source>
        <translation>Temperature</translation>
    </message>
    <message id="5603">
        <source>Fuel level</source>
        <translation>Fuel level</translation>
    </message>
    <message id="5604">
        <source>Settings</source>
        <translation>Settings</translation>
    </message>
    <message id="5605">
        <source>Ser&amp;vice items</source>
        <translation>Ser&amp;vice items</translation>
    </message>
    <message id="5606">
        <source>Shows the master's settings and the gauge inputs with their calibration in the project tree, and offers the diagnostics</source>
        <translation>Shows the master's settings and the gauge inputs with their calibration in the project tree, and offers the diagnostics</translation>
    </message>
    <message id="5971">
        <source>limited to %1, the end of the scale</source>
        <translation>limited to %1, the end of the scale</translation>
    </message>
    <message id="5972">
        <source>limited to %1, the start of the scale</source>
        <translation>limited to %1, the start of the scale</translation>
    </message>
    <message id="5973">
        <source>Demo gauge: read from or write to the simulated gauge</source>
        <translation>Demo gauge: read from or write to the simulated gauge</translation>
    </message>
    <message id="5974">
        <source>Fill in %1 (%2 to %3) before writing to the gauge</source>
        <translation>Fill in %1 (%2 to %3) before writing to the gauge</translation>
    </message>
    <message id="5975">
        <source>needs a value from %1 to %2</source>
        <translation>needs a value from %1 to %2</translation>
    </message>
    <message id="5976">
        <source>%1 is 0: the gauge will show nothing on its frequency input. Write anyway?</source>
        <translation>%1 is 0: the gauge will show nothing on its frequency input. Write anyway?</translation>
    </message>
    <message id="5978">
        <source>kept as %1: the gauge holds whole numbers</source>
        <translation>kept as %1: the gauge holds whole numbers</translation>
    </message>
    <message id="5979">
        <source>A number takes one decimal point or comma and no thousands separator (a thousand and a half: 1000.5 or 1000,5)</source>
        <translation>A number takes one decimal point or comma and no thousands separator (a thousand and a half: 1000.5 or 1000,5)</translation>
    </message>
    <message id="5980">
        <source>A number takes one sign, in front</source>
        <translation>A number takes one sign, in front</translation>
    </message>
    <message id="5981">
        <source>Only digits, a sign and a decimal point or comma can be typed here</source>
        <translation>Only digits, a sign and a decimal point or comma can be typed here</translation>
    </message>
    <message id="5982">
        <source>Only digits and one * can be typed here</source>
        <translation>Only digits and one * can be typed here</translation>
    </message>
    <message id="5983">
        <source>Store this path anyway?</source>
        <translation>Store this path anyway?</translation>
    </message>
    <message id="5984">
        <source>kept as %1: the gauge holds one decimal</source>
        <translation>kept as %1: the gauge holds one decimal</translation>
    </message>
    <message id="5985">
        <source>%1 is not a network port: write it as rfc2217://HOST:PORT or tcp://HOST:PORT, PORT being the number of the port on the server.</source>
        <translation>%1 is not a network port: write it as rfc2217://HOST:PORT or tcp://HOST:PORT, PORT being the number of the port on the server.</translation>
    </message>
    <message id="5986">
        <source>The sheet was saved as %1.</source>
        <translation>The sheet was saved as %1.</translation>
    </message>
    <message id="5987">
        <source>The transfer was cancelled. Nothing read from the gauge was taken into the project.</source>
        <translation>The transfer was cancelled. Nothing read from the gauge was taken into the project.</translation>
    </message>
    <message id="5988">
        <source>needs a whole number from %1 to %2: whole pulses, until a gauge that counts tenths is read</source>
        <translation>needs a whole number from %1 to %2: whole pulses, until a gauge that counts tenths is read</translation>
    </message>
    <message id="5989">
        <source>No gauge port set</source>
        <translation>No gauge port set</translation>
    </message>
    <message id="5990">
        <source>A gauge of this master type keeps no display settings (the items on the LCD, illumination and units): they are not written to it.</source>
        <translation>A gauge of this master type keeps no display settings (the items on the LCD, illumination and units): they are not written to it.</translation>
    </message>
    <message id="5991">
        <source>"%1" is a project file: the sheet does not replace it. Choose another name.</source>
        <translation>"%1" is a project file: the sheet does not replace it. Choose another name.</translation>
    </message>
    <message id="6376">
        <source>&amp;Undo %1</source>
        <translation>&amp;Undo %1</translation>
    </message>
    <message id="6377">
        <source>&amp;Redo %1</source>
        <translation>&amp;Redo %1</translation>
    </message>
    <message id="6378">
        <source>&amp;Redo</source>
        <translation>&amp;Redo</translation>
    </message>
    <message id="6379">
        <source>Redo the last change undone</source>
        <translation>Redo the last change undone</translation>
    </message>
</context>
</TS>
