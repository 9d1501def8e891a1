<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="hi_IN" sourcelanguage="en">
<context>
    <name>QAbstractFileIconProvider</name>
    <message>
        <source>Drive</source>
        <translation>ड्राइव</translation>
    </message>
    <message>
        <source>File</source>
        <translation>फाइल</translation>
    </message>
    <message>
        <source>Folder</source>
        <translation>फोल्डर</translation>
    </message>
    <message>
        <source>File Folder</source>
        <translation>फाइल फोल्डर</translation>
    </message>
    <message>
        <source>Shortcut</source>
        <translation>शॉर्टकट</translation>
    </message>
    <message>
        <source>Alias</source>
        <translation>उपनाम</translation>
    </message>
    <message>
        <source>Unknown</source>
        <translation>अज्ञात</translation>
    </message>
</context>
<context>
    <name>QAccessibleActionInterface</name>
    <message>
        <source>Press</source>
        <translation>दबाएँ</translation>
    </message>
    <message>
        <source>Increase</source>
        <translation>बढ़ाएँ</translation>
    </message>
    <message>
        <source>Decrease</source>
        <translation>घटाएँ</translation>
    </message>
    <message>
        <source>ShowMenu</source>
        <translation>मेनू दिखाएँ</translation>
    </message>
    <message>
        <source>SetFocus</source>
        <translation>फोकस करें</translation>
    </message>
    <message>
        <source>Toggle</source>
        <translation>बदलें</translation>
    </message>
    <message>
        <source>Scroll Left</source>
        <translation>बाएँ स्क्रॉल करें</translation>
    </message>
    <message>
        <source>Scroll Right</source>
        <translation>दाएँ स्क्रॉल करें</translation>
    </message>
    <message>
        <source>Scroll Up</source>
        <translation>ऊपर स्क्रॉल करें</translation>
    </message>
    <message>
        <source>Scroll Down</source>
        <translation>नीचे स्क्रॉल करें</translation>
    </message>
    <message>
        <source>Previous Page</source>
        <translation>पिछला पृष्ठ</translation>
    </message>
    <message>
        <source>Next Page</source>
        <translation>अगला पृष्ठ</translation>
    </message>
    <message>
        <source>Triggers the action</source>
        <translation>क्रिया चलाता है</translation>
    </message>
    <message>
        <source>Increase the value</source>
        <translation>मान बढ़ाता है</translation>
    </message>
    <message>
        <source>Decrease the value</source>
        <translation>मान घटाता है</translation>
    </message>
    <message>
        <source>Shows the menu</source>
        <translation>मेनू दिखाता है</translation>
    </message>
    <message>
        <source>Sets the focus</source>
        <translation>फोकस यहाँ लाता है</translation>
    </message>
    <message>
        <source>Toggles the state</source>
        <translation>स्थिति बदलता है</translation>
    </message>
    <message>
        <source>Scrolls to the left</source>
        <translation>बाईं ओर स्क्रॉल करता है</translation>
    </message>
    <message>
        <source>Scrolls to the right</source>
        <translation>दाईं ओर स्क्रॉल करता है</translation>
    </message>
    <message>
        <source>Scrolls up</source>
        <translation>ऊपर स्क्रॉल करता है</translation>
    </message>
    <message>
        <source>Scrolls down</source>
        <translation>नीचे स्क्रॉल करता है</translation>
    </message>
    <message>
        <source>Goes back a page</source>
        <translation>एक पृष्ठ पीछे जाता है</translation>
    </message>
    <message>
        <source>Goes to the next page</source>
        <translation>अगले पृष्ठ पर जाता है</translation>
    </message>
</context>
<context>
    <name>QComboBox</name>
    <message>
        <source>Open the combo box selection popup</source>
        <translation>चुनने के लिए सूची खोलें</translation>
    </message>
</context>
<context>
    <name>QCommandLineParser</name>
    <message>
        <source>Usage: %1</source>
        <translation>उपयोग: %1</translation>
    </message>
    <message>
        <source>[options]</source>
        <translation>[विकल्प]</translation>
    </message>
    <message>
        <source>Options:</source>
        <translation>विकल्प:</translation>
    </message>
    <message>
        <source>Arguments:</source>
        <translation>तर्क:</translation>
    </message>
    <message>
        <source>Unknown option &apos;%1&apos;.</source>
        <translation>अज्ञात विकल्प &apos;%1&apos;।</translation>
    </message>
    <message>
        <source>Unknown options: %1.</source>
        <translation>अज्ञात विकल्प: %1।</translation>
    </message>
    <message>
        <source>Missing value after &apos;%1&apos;.</source>
        <translation>&apos;%1&apos; के बाद मान नहीं दिया गया।</translation>
    </message>
    <message>
        <source>Unexpected value after &apos;%1&apos;.</source>
        <translation>&apos;%1&apos; के बाद अनपेक्षित मान।</translation>
    </message>
    <message>
        <source>Displays help on commandline options.</source>
        <translation>कमांड लाइन विकल्पों की सहायता दिखाता है।</translation>
    </message>
    <message>
        <source>Displays help including Qt specific options.</source>
        <translation>Qt के अपने विकल्पों सहित सहायता दिखाता है।</translation>
    </message>
    <message>
        <source>Displays version information.</source>
        <translation>संस्करण की जानकारी दिखाता है।</translation>
    </message>
</context>
<context>
    <name>QCupsJobWidget</name>
    <message>
        <source>Job</source>
        <translation>प्रिंट कार्य</translation>
    </message>
    <message>
        <source>Job Control</source>
        <translation>प्रिंट कार्य नियंत्रण</translation>
    </message>
    <message>
        <source>Scheduled printing:</source>
        <translation>प्रिंट करने का समय:</translation>
    </message>
    <message>
        <source>Print Immediately</source>
        <translation>तुरंत प्रिंट करें</translation>
    </message>
    <message>
        <source>Hold Indefinitely</source>
        <translation>अनिश्चित समय तक रोकें</translation>
    </message>
    <message>
        <source>Day (06:00 to 17:59)</source>
        <translation>दिन (06:00 से 17:59)</translation>
    </message>
    <message>
        <source>Night (18:00 to 05:59)</source>
        <translation>रात (18:00 से 05:59)</translation>
    </message>
    <message>
        <source>Second Shift (16:00 to 23:59)</source>
        <translation>दूसरी पाली (16:00 से 23:59)</translation>
    </message>
    <message>
        <source>Third Shift (00:00 to 07:59)</source>
        <translation>तीसरी पाली (00:00 से 07:59)</translation>
    </message>
    <message>
        <source>Weekend (Saturday to Sunday)</source>
        <translation>सप्ताहांत (शनिवार से रविवार)</translation>
    </message>
    <message>
        <source>Specific Time</source>
        <translation>निश्चित समय</translation>
    </message>
    <message>
        <source>Billing information:</source>
        <translation>बिलिंग जानकारी:</translation>
    </message>
    <message>
        <source>Job priority:</source>
        <translation>प्रिंट कार्य की प्राथमिकता:</translation>
    </message>
    <message>
        <source>Banner Pages</source>
        <translation>बैनर पृष्ठ</translation>
    </message>
    <message>
        <source>Start:</source>
        <translation>आरंभ:</translation>
    </message>
    <message>
        <source>End:</source>
        <translation>अंत:</translation>
    </message>
    <message>
        <source>None</source>
        <translation>कोई नहीं</translation>
    </message>
    <message>
        <source>Standard</source>
        <translation>मानक</translation>
    </message>
    <message>
        <source>Unclassified</source>
        <translation>अवर्गीकृत</translation>
    </message>
    <message>
        <source>Confidential</source>
        <translation>गोपनीय</translation>
    </message>
    <message>
        <source>Classified</source>
        <translation>वर्गीकृत</translation>
    </message>
    <message>
        <source>Secret</source>
        <translation>गुप्त</translation>
    </message>
    <message>
        <source>Top Secret</source>
        <translation>अति गुप्त</translation>
    </message>
</context>
<context>
    <name>QCupsPrinterSupport</name>
    <message>
        <source>Authentication Needed</source>
        <translation>प्रमाणीकरण आवश्यक</translation>
    </message>
    <message>
        <source>Authentication needed to use %1.</source>
        <translation>%1 का उपयोग करने के लिए प्रमाणीकरण आवश्यक है।</translation>
    </message>
    <message>
        <source>Authentication needed to use %1 on %2.</source>
        <translation>%2 पर %1 का उपयोग करने के लिए प्रमाणीकरण आवश्यक है।</translation>
    </message>
    <message>
        <source>Username:</source>
        <translation>उपयोगकर्ता नाम:</translation>
    </message>
    <message>
        <source>Password:</source>
        <translation>पासवर्ड:</translation>
    </message>
</context>
<context>
    <name>QDialog</name>
    <message>
        <source>What&apos;s This?</source>
        <translation>यह क्या है?</translation>
    </message>
</context>
<context>
    <name>QDialogButtonBox</name>
    <message>
        <source>OK</source>
        <translation>ठीक है</translation>
    </message>
</context>
<context>
    <name>QFileDialog</name>
    <message>
        <source>Look in:</source>
        <translation>यहाँ देखें:</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>पीछे</translation>
    </message>
    <message>
        <source>Go back</source>
        <translation>पीछे जाएँ</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>आगे</translation>
    </message>
    <message>
        <source>Go forward</source>
        <translation>आगे जाएँ</translation>
    </message>
    <message>
        <source>Parent Directory</source>
        <translation>ऊपर का फोल्डर</translation>
    </message>
    <message>
        <source>Go to the parent directory</source>
        <translation>ऊपर के फोल्डर में जाएँ</translation>
    </message>
    <message>
        <source>Create New Folder</source>
        <translation>नया फोल्डर बनाएँ</translation>
    </message>
    <message>
        <source>Create a New Folder</source>
        <translation>एक नया फोल्डर बनाएँ</translation>
    </message>
    <message>
        <source>List View</source>
        <translation>सूची दृश्य</translation>
    </message>
    <message>
        <source>Change to list view mode</source>
        <translation>सूची दृश्य में बदलें</translation>
    </message>
    <message>
        <source>Detail View</source>
        <translation>विवरण दृश्य</translation>
    </message>
    <message>
        <source>Change to detail view mode</source>
        <translation>विवरण दृश्य में बदलें</translation>
    </message>
    <message>
        <source>Sidebar</source>
        <translation>साइडबार</translation>
    </message>
    <message>
        <source>List of places and bookmarks</source>
        <translation>स्थानों और बुकमार्क की सूची</translation>
    </message>
    <message>
        <source>Files</source>
        <translation>फाइलें</translation>
    </message>
    <message>
        <source>Files of type:</source>
        <translation>फाइल का प्रकार:</translation>
    </message>
    <message>
        <source>File &amp;name:</source>
        <translation>फाइल का नाम (&amp;N):</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>खोलें</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation>खोलें (&amp;O)</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>सहेजें (&amp;S)</translation>
    </message>
    <message>
        <source>&amp;Choose</source>
        <translation>चुनें (&amp;C)</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>इस नाम से सहेजें</translation>
    </message>
    <message>
        <source>Find Directory</source>
        <translation>फोल्डर खोजें</translation>
    </message>
    <message>
        <source>Directory:</source>
        <translation>फोल्डर:</translation>
    </message>
    <message>
        <source>Directories</source>
        <translation>फोल्डर</translation>
    </message>
    <message>
        <source>All Files (*)</source>
        <translation>सभी फाइलें (*)</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>सभी फाइलें (*)</translation>
    </message>
    <message>
        <source>&amp;Rename</source>
        <translation>नाम बदलें (&amp;R)</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>मिटाएँ (&amp;D)</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>मिटाएँ</translation>
    </message>
    <message>
        <source>Show &amp;hidden files</source>
        <translation>छिपी फाइलें दिखाएँ (&amp;H)</translation>
    </message>
    <message>
        <source>&amp;New Folder</source>
        <translation>नया फोल्डर (&amp;N)</translation>
    </message>
    <message>
        <source>New Folder</source>
        <translation>नया फोल्डर</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>हटाएँ</translation>
    </message>
    <message>
        <source>Recent Places</source>
        <translation>हाल के स्थान</translation>
    </message>
    <message>
        <source>Show </source>
        <translation>दिखाएँ: </translation>
    </message>
    <message>
        <source>Are you sure you want to delete &apos;%1&apos;?</source>
        <translation>क्या आप सचमुच &apos;%1&apos; को मिटाना चाहते हैं?</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is write protected.
Do you want to delete it anyway?</source>
        <translation>&apos;%1&apos; पर लिखना मना है।
क्या आप फिर भी इसे मिटाना चाहते हैं?</translation>
    </message>
    <message>
        <source>Could not delete directory.</source>
        <translation>फोल्डर मिटाया नहीं जा सका।</translation>
    </message>
    <message>
        <source>%1 already exists.
Do you want to replace it?</source>
        <translation>%1 पहले से मौजूद है।
क्या आप इसकी जगह नई फाइल रखना चाहते हैं?</translation>
    </message>
    <message>
        <source>%1
File not found.
Please verify the correct file name was given.</source>
        <translation>%1
फाइल नहीं मिली।
कृपया जाँच लें कि फाइल का नाम सही दिया गया है।</translation>
    </message>
    <message>
        <source>%1
Directory not found.
Please verify the correct directory name was given.</source>
        <translation>%1
फोल्डर नहीं मिला।
कृपया जाँच लें कि फोल्डर का नाम सही दिया गया है।</translation>
    </message>
</context>
<context>
    <name>QFileSystemModel</name>
    <message>
        <source>Name</source>
        <translation>नाम</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>आकार</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>प्रकार</translation>
    </message>
    <message>
        <source>Kind</source>
        <translation>प्रकार</translation>
    </message>
    <message>
        <source>Date Modified</source>
        <translation>बदलने की तारीख</translation>
    </message>
    <message>
        <source>My Computer</source>
        <translation>मेरा कंप्यूटर</translation>
    </message>
    <message>
        <source>Computer</source>
        <translation>कंप्यूटर</translation>
    </message>
</context>
<context>
    <name>QGnomeTheme</name>
    <message>
        <source>&amp;OK</source>
        <translation>ठीक है (&amp;O)</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>सहेजें (&amp;S)</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>रद्द करें (&amp;C)</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>बंद करें (&amp;C)</translation>
    </message>
    <message>
        <source>Close without Saving</source>
        <translation>बिना सहेजे बंद करें</translation>
    </message>
</context>
<context>
    <name>QLineEdit</name>
    <message>
        <source>&amp;Undo</source>
        <translation>पूर्ववत करें (&amp;U)</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>फिर से करें (&amp;R)</translation>
    </message>
    <message>
        <source>Cu&amp;t</source>
        <translation>काटें (&amp;T)</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>कॉपी करें (&amp;C)</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>चिपकाएँ (&amp;P)</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>मिटाएँ</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>सब चुनें</translation>
    </message>
</context>
<context>
    <name>QMessageBox</name>
    <message>
        <source>Show Details...</source>
        <translation>विवरण दिखाएँ...</translation>
    </message>
    <message>
        <source>Hide Details...</source>
        <translation>विवरण छिपाएँ...</translation>
    </message>
</context>
<context>
    <name>QPageSetupWidget</name>
    <message>
        <source>Paper</source>
        <translation>कागज</translation>
    </message>
    <message>
        <source>Page size:</source>
        <translation>पृष्ठ का आकार:</translation>
    </message>
    <message>
        <source>Width:</source>
        <translation>चौड़ाई:</translation>
    </message>
    <message>
        <source>Height:</source>
        <translation>ऊँचाई:</translation>
    </message>
    <message>
        <source>Paper source:</source>
        <translation>कागज का स्रोत:</translation>
    </message>
    <message>
        <source>Orientation</source>
        <translation>पृष्ठ की दिशा</translation>
    </message>
    <message>
        <source>Portrait</source>
        <translation>खड़ा (पोर्ट्रेट)</translation>
    </message>
    <message>
        <source>Landscape</source>
        <translation>आड़ा (लैंडस्केप)</translation>
    </message>
    <message>
        <source>Reverse landscape</source>
        <translation>उलटा आड़ा</translation>
    </message>
    <message>
        <source>Reverse portrait</source>
        <translation>उलटा खड़ा</translation>
    </message>
    <message>
        <source>Margins</source>
        <translation>हाशिये</translation>
    </message>
    <message>
        <source>top margin</source>
        <translation>ऊपरी हाशिया</translation>
    </message>
    <message>
        <source>left margin</source>
        <translation>बायाँ हाशिया</translation>
    </message>
    <message>
        <source>right margin</source>
        <translation>दायाँ हाशिया</translation>
    </message>
    <message>
        <source>bottom margin</source>
        <translation>निचला हाशिया</translation>
    </message>
    <message>
        <source>Page Layout</source>
        <translation>पृष्ठ विन्यास</translation>
    </message>
    <message>
        <source>Page order:</source>
        <translation>पृष्ठों का क्रम:</translation>
    </message>
    <message>
        <source>Pages per sheet:</source>
        <translation>प्रति शीट पृष्ठ:</translation>
    </message>
    <message>
        <source>Custom</source>
        <translation>कस्टम</translation>
    </message>
    <message>
        <source>Millimeters (mm)</source>
        <translation>मिलीमीटर (mm)</translation>
    </message>
    <message>
        <source>Points (pt)</source>
        <translation>पॉइंट (pt)</translation>
    </message>
    <message>
        <source>Inches (in)</source>
        <translation>इंच (in)</translation>
    </message>
    <message>
        <source>Pica (P̸)</source>
        <translation>पाइका (P̸)</translation>
    </message>
    <message>
        <source>Didot (DD)</source>
        <translation>डिडो (DD)</translation>
    </message>
    <message>
        <source>Cicero (CC)</source>
        <translation>सिसेरो (CC)</translation>
    </message>
</context>
<context>
    <name>QPageSize</name>
    <message>
        <source>Custom</source>
        <translation>कस्टम</translation>
    </message>
    <message>
        <source>Custom (%1mm x %2mm)</source>
        <translation>कस्टम (%1mm x %2mm)</translation>
    </message>
    <message>
        <source>Custom (%1in x %2in)</source>
        <translation>कस्टम (%1in x %2in)</translation>
    </message>
    <message>
        <source>Custom (%1pt x %2pt)</source>
        <translation>कस्टम (%1pt x %2pt)</translation>
    </message>
    <message>
        <source>Custom (%1pc x %2pc)</source>
        <translation>कस्टम (%1pc x %2pc)</translation>
    </message>
    <message>
        <source>Custom (%1DD x %2DD)</source>
        <translation>कस्टम (%1DD x %2DD)</translation>
    </message>
    <message>
        <source>Custom (%1CC x %2CC)</source>
        <translation>कस्टम (%1CC x %2CC)</translation>
    </message>
    <message>
        <source>Letter / ANSI A</source>
        <translation>लेटर / ANSI A</translation>
    </message>
    <message>
        <source>Legal</source>
        <translation>लीगल</translation>
    </message>
    <message>
        <source>Tabloid / ANSI B</source>
        <translation>टैबलॉइड / ANSI B</translation>
    </message>
    <message>
        <source>Ledger / ANSI B</source>
        <translation>लेजर / ANSI B</translation>
    </message>
    <message>
        <source>Executive (7.5 x 10 in)</source>
        <translation>एग्जिक्यूटिव (7.5 x 10 in)</translation>
    </message>
    <message>
        <source>Executive (7.25 x 10.5 in)</source>
        <translation>एग्जिक्यूटिव (7.25 x 10.5 in)</translation>
    </message>
    <message>
        <source>Folio (8.27 x 13 in)</source>
        <translation>फोलियो (8.27 x 13 in)</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>नोट</translation>
    </message>
    <message>
        <source>Statement</source>
        <translation>स्टेटमेंट</translation>
    </message>
    <message>
        <source>Postcard</source>
        <translation>पोस्टकार्ड</translation>
    </message>
    <message>
        <source>Double Postcard</source>
        <translation>दोहरा पोस्टकार्ड</translation>
    </message>
    <message>
        <source>Envelope DL</source>
        <translation>लिफाफा DL</translation>
    </message>
    <message>
        <source>Envelope C4</source>
        <translation>लिफाफा C4</translation>
    </message>
    <message>
        <source>Envelope C5</source>
        <translation>लिफाफा C5</translation>
    </message>
    <message>
        <source>Envelope C6</source>
        <translation>लिफाफा C6</translation>
    </message>
    <message>
        <source>Envelope B5</source>
        <translation>लिफाफा B5</translation>
    </message>
    <message>
        <source>Envelope US 10</source>
        <translation>लिफाफा US 10</translation>
    </message>
</context>
<context>
    <name>QPlatformTheme</name>
    <message>
        <source>OK</source>
        <translation>ठीक है</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>सहेजें</translation>
    </message>
    <message>
        <source>Save All</source>
        <translation>सभी सहेजें</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>खोलें</translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation>हाँ (&amp;Y)</translation>
    </message>
    <message>
        <source>Yes to &amp;All</source>
        <translation>सभी के लिए हाँ (&amp;A)</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>नहीं (&amp;N)</translation>
    </message>
    <message>
        <source>N&amp;o to All</source>
        <translation>सभी के लिए नहीं (&amp;O)</translation>
    </message>
    <message>
        <source>Abort</source>
        <translation>निरस्त करें</translation>
    </message>
    <message>
        <source>Retry</source>
        <translation>फिर से प्रयास करें</translation>
    </message>
    <message>
        <source>Ignore</source>
        <translation>अनदेखा करें</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>बंद करें</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>रद्द करें</translation>
    </message>
    <message>
        <source>Discard</source>
        <translation>छोड़ दें</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>सहायता</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>लागू करें</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>रीसेट करें</translation>
    </message>
    <message>
        <source>Restore Defaults</source>
        <translation>डिफॉल्ट सेटिंग लौटाएँ</translation>
    </message>
</context>
<context>
    <name>QPrintDialog</name>
    <message>
        <source>Print</source>
        <translation>प्रिंट करें</translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <translation>प्रिंट करें (&amp;P)</translation>
    </message>
    <message>
        <source>&amp;Options &gt;&gt;</source>
        <translation>विकल्प (&amp;O) &gt;&gt;</translation>
    </message>
    <message>
        <source>&amp;Options &lt;&lt;</source>
        <translation>विकल्प (&amp;O) &lt;&lt;</translation>
    </message>
    <message>
        <source>Print to File (PDF)</source>
        <translation>फाइल में प्रिंट करें (PDF)</translation>
    </message>
    <message>
        <source>Print To File ...</source>
        <translation>फाइल में प्रिंट करें ...</translation>
    </message>
    <message>
        <source>Write PDF file</source>
        <translation>PDF फाइल लिखें</translation>
    </message>
    <message>
        <source>Local file</source>
        <translation>स्थानीय फाइल</translation>
    </message>
    <message>
        <source>All Pages</source>
        <translation>सभी पृष्ठ</translation>
    </message>
    <message>
        <source>Odd Pages</source>
        <translation>विषम पृष्ठ</translation>
    </message>
    <message>
        <source>Even Pages</source>
        <translation>सम पृष्ठ</translation>
    </message>
    <message>
        <source>Left to Right, Top to Bottom</source>
        <translation>बाएँ से दाएँ, ऊपर से नीचे</translation>
    </message>
    <message>
        <source>Left to Right, Bottom to Top</source>
        <translation>बाएँ से दाएँ, नीचे से ऊपर</translation>
    </message>
    <message>
        <source>Right to Left, Bottom to Top</source>
        <translation>दाएँ से बाएँ, नीचे से ऊपर</translation>
    </message>
    <message>
        <source>Right to Left, Top to Bottom</source>
        <translation>दाएँ से बाएँ, ऊपर से नीचे</translation>
    </message>
    <message>
        <source>Bottom to Top, Left to Right</source>
        <translation>नीचे से ऊपर, बाएँ से दाएँ</translation>
    </message>
    <message>
        <source>Bottom to Top, Right to Left</source>
        <translation>नीचे से ऊपर, दाएँ से बाएँ</translation>
    </message>
    <message>
        <source>Top to Bottom, Left to Right</source>
        <translation>ऊपर से नीचे, बाएँ से दाएँ</translation>
    </message>
    <message>
        <source>Top to Bottom, Right to Left</source>
        <translation>ऊपर से नीचे, दाएँ से बाएँ</translation>
    </message>
    <message>
        <source>%1 already exists.
Do you want to overwrite it?</source>
        <translation>%1 पहले से मौजूद है।
क्या आप इसकी जगह नई फाइल लिखना चाहते हैं?</translation>
    </message>
    <message>
        <source>%1 is a directory.
Please choose a different file name.</source>
        <translation>%1 एक फोल्डर है।
कृपया फाइल का कोई दूसरा नाम चुनें।</translation>
    </message>
    <message>
        <source>File %1 is not writable.
Please choose a different file name.</source>
        <translation>फाइल %1 में लिखा नहीं जा सकता।
कृपया फाइल का कोई दूसरा नाम चुनें।</translation>
    </message>
    <message>
        <source>Options &apos;Pages Per Sheet&apos; and &apos;Page Set&apos; cannot be used together.
Please turn one of those options off.</source>
        <translation>&apos;प्रति शीट पृष्ठ&apos; और &apos;पृष्ठ समूह&apos; विकल्प एक साथ नहीं चुने जा सकते।
कृपया इनमें से एक विकल्प बंद करें।</translation>
    </message>
    <message>
        <source>There are conflicts in duplex settings. Do you want to fix them?</source>
        <translation>दोनों ओर छपाई की सेटिंग आपस में टकराती हैं। क्या आप इन्हें ठीक करना चाहते हैं?</translation>
    </message>
    <message>
        <source>Duplex Settings Conflicts</source>
        <translation>दोनों ओर छपाई की सेटिंग में टकराव</translation>
    </message>
    <message>
        <source>Invalid Pages Definition</source>
        <translation>पृष्ठों का गलत विवरण</translation>
    </message>
    <message>
        <source>%1 does not follow the correct syntax. Please use &apos;,&apos; to separate ranges and pages, &apos;-&apos; to define ranges and make sure ranges do not intersect with each other.</source>
        <translation>%1 सही ढंग से नहीं लिखा गया है। कृपया पृष्ठों और पृष्ठ-सीमाओं को &apos;,&apos; से अलग करें, सीमा &apos;-&apos; से बताएँ, और ध्यान रखें कि सीमाएँ एक-दूसरे पर न चढ़ें।</translation>
    </message>
    <message>
        <source>The &apos;From&apos; value cannot be greater than the &apos;To&apos; value.</source>
        <translation>पहला पृष्ठ अंतिम पृष्ठ से बड़ा नहीं हो सकता।</translation>
    </message>
</context>
<context>
    <name>QPrintPreviewDialog</name>
    <message>
        <source>Print Preview</source>
        <translation>प्रिंट पूर्वावलोकन</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>प्रिंट करें</translation>
    </message>
    <message>
        <source>Fit width</source>
        <translation>चौड़ाई के अनुसार</translation>
    </message>
    <message>
        <source>Fit page</source>
        <translation>पूरा पृष्ठ</translation>
    </message>
    <message>
        <source>Zoom in</source>
        <translation>बड़ा करें</translation>
    </message>
    <message>
        <source>Zoom out</source>
        <translation>छोटा करें</translation>
    </message>
    <message>
        <source>Portrait</source>
        <translation>खड़ा (पोर्ट्रेट)</translation>
    </message>
    <message>
        <source>Landscape</source>
        <translation>आड़ा (लैंडस्केप)</translation>
    </message>
    <message>
        <source>Page Setup</source>
        <translation>पृष्ठ सेटअप</translation>
    </message>
    <message>
        <source>Page setup</source>
        <translation>पृष्ठ सेटअप</translation>
    </message>
    <message>
        <source>Show overview of all pages</source>
        <translation>सभी पृष्ठ एक साथ दिखाएँ</translation>
    </message>
    <message>
        <source>Show single page</source>
        <translation>एक पृष्ठ दिखाएँ</translation>
    </message>
    <message>
        <source>Show facing pages</source>
        <translation>आमने-सामने के पृष्ठ दिखाएँ</translation>
    </message>
    <message>
        <source>First page</source>
        <translation>पहला पृष्ठ</translation>
    </message>
    <message>
        <source>Previous page</source>
        <translation>पिछला पृष्ठ</translation>
    </message>
    <message>
        <source>Next page</source>
        <translation>अगला पृष्ठ</translation>
    </message>
    <message>
        <source>Last page</source>
        <translation>अंतिम पृष्ठ</translation>
    </message>
    <message>
        <source>Export to PDF</source>
        <translation>PDF में निर्यात करें</translation>
    </message>
</context>
<context>
    <name>QPrintPropertiesDialog</name>
    <message>
        <source>Printer Properties</source>
        <translation>प्रिंटर के गुण</translation>
    </message>
    <message>
        <source>Job Options</source>
        <translation>प्रिंट कार्य के विकल्प</translation>
    </message>
    <message>
        <source>Page Setup Conflicts</source>
        <translation>पृष्ठ सेटअप में टकराव</translation>
    </message>
    <message>
        <source>Advanced Option Conflicts</source>
        <translation>उन्नत विकल्पों में टकराव</translation>
    </message>
    <message>
        <source>There are conflicts in page setup options. Do you want to fix them?</source>
        <translation>पृष्ठ सेटअप के विकल्प आपस में टकराते हैं। क्या आप इन्हें ठीक करना चाहते हैं?</translation>
    </message>
    <message>
        <source>There are conflicts in some advanced options. Do you want to fix them?</source>
        <translation>कुछ उन्नत विकल्प आपस में टकराते हैं। क्या आप इन्हें ठीक करना चाहते हैं?</translation>
    </message>
</context>
<context>
    <name>QPrintPropertiesWidget</name>
    <message>
        <source>Page</source>
        <translation>पृष्ठ</translation>
    </message>
    <message>
        <source>Advanced</source>
        <translation>उन्नत</translation>
    </message>
    <message>
        <source>There are conflicts in some options. Please fix them.</source>
        <translation>कुछ विकल्प आपस में टकराते हैं। कृपया इन्हें ठीक करें।</translation>
    </message>
</context>
<context>
    <name>QPrintSettingsOutput</name>
    <message>
        <source>Copies</source>
        <translation>प्रतियाँ</translation>
    </message>
    <message>
        <source>Copies:</source>
        <translation>प्रतियाँ:</translation>
    </message>
    <message>
        <source>Print range</source>
        <translation>कौन-से पृष्ठ</translation>
    </message>
    <message>
        <source>Print all</source>
        <translation>सभी प्रिंट करें</translation>
    </message>
    <message>
        <source>Pages from</source>
        <translation>पृष्ठ</translation>
    </message>
    <message>
        <source>to</source>
        <translation>से</translation>
    </message>
    <message>
        <source>Pages</source>
        <translation>पृष्ठ</translation>
    </message>
    <message>
        <source>Current Page</source>
        <translation>वर्तमान पृष्ठ</translation>
    </message>
    <message>
        <source>Selection</source>
        <translation>चुना गया भाग</translation>
    </message>
    <message>
        <source>Output Settings</source>
        <translation>आउटपुट सेटिंग</translation>
    </message>
    <message>
        <source>Collate</source>
        <translation>प्रतियों को क्रम से लगाएँ</translation>
    </message>
    <message>
        <source>Reverse</source>
        <translation>उलटे क्रम में</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>विकल्प</translation>
    </message>
    <message>
        <source>Color Mode</source>
        <translation>रंग</translation>
    </message>
    <message>
        <source>Color</source>
        <translation>रंगीन</translation>
    </message>
    <message>
        <source>Grayscale</source>
        <translation>श्वेत-श्याम</translation>
    </message>
    <message>
        <source>Double Sided Printing</source>
        <translation>दोनों ओर छपाई</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>बंद</translation>
    </message>
    <message>
        <source>Long side binding</source>
        <translation>लंबी ओर से जिल्द</translation>
    </message>
    <message>
        <source>Short side binding</source>
        <translation>छोटी ओर से जिल्द</translation>
    </message>
    <message>
        <source>Page Set:</source>
        <translation>पृष्ठ समूह:</translation>
    </message>
    <message>
        <source>Specify pages or ranges separated by commas. Ranges are specified by two numbers separated by a hyphen. E.g: 3,5-7,9 prints pages 3, 5, 6, 7 and 9.</source>
        <translation>पृष्ठ या पृष्ठ-सीमाएँ अल्पविराम से अलग करके लिखें। सीमा हाइफन से जुड़ी दो संख्याओं से बताई जाती है। उदाहरण: 3,5-7,9 से पृष्ठ 3, 5, 6, 7 और 9 प्रिंट होंगे।</translation>
    </message>
</context>
<context>
    <name>QPrintWidget</name>
    <message>
        <source>Printer</source>
        <translation>प्रिंटर</translation>
    </message>
    <message>
        <source>&amp;Name:</source>
        <translation>नाम (&amp;N):</translation>
    </message>
    <message>
        <source>P&amp;roperties</source>
        <translation>गुण (&amp;R)</translation>
    </message>
    <message>
        <source>Location:</source>
        <translation>स्थान:</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>पूर्वावलोकन</translation>
    </message>
    <message>
        <source>Type:</source>
        <translation>प्रकार:</translation>
    </message>
    <message>
        <source>Output &amp;file:</source>
        <translation>आउटपुट फाइल (&amp;F):</translation>
    </message>
</context>
<context>
    <name>QScrollBar</name>
    <message>
        <source>Scroll here</source>
        <translation>यहाँ तक स्क्रॉल करें</translation>
    </message>
    <message>
        <source>Left edge</source>
        <translation>बायाँ किनारा</translation>
    </message>
    <message>
        <source>Top</source>
        <translation>सबसे ऊपर</translation>
    </message>
    <message>
        <source>Right edge</source>
        <translation>दायाँ किनारा</translation>
    </message>
    <message>
        <source>Bottom</source>
        <translation>सबसे नीचे</translation>
    </message>
    <message>
        <source>Page left</source>
        <translation>एक पृष्ठ बाएँ</translation>
    </message>
    <message>
        <source>Page up</source>
        <translation>एक पृष्ठ ऊपर</translation>
    </message>
    <message>
        <source>Page right</source>
        <translation>एक पृष्ठ दाएँ</translation>
    </message>
    <message>
        <source>Page down</source>
        <translation>एक पृष्ठ नीचे</translation>
    </message>
    <message>
        <source>Scroll left</source>
        <translation>बाएँ स्क्रॉल करें</translation>
    </message>
    <message>
        <source>Scroll up</source>
        <translation>ऊपर स्क्रॉल करें</translation>
    </message>
    <message>
        <source>Scroll right</source>
        <translation>दाएँ स्क्रॉल करें</translation>
    </message>
    <message>
        <source>Scroll down</source>
        <translation>नीचे स्क्रॉल करें</translation>
    </message>
</context>
<context>
    <name>QTabBar</name>
    <message>
        <source>Scroll Left</source>
        <translation>बाएँ स्क्रॉल करें</translation>
    </message>
    <message>
        <source>Scroll Right</source>
        <translation>दाएँ स्क्रॉल करें</translation>
    </message>
</context>
<context>
    <name>QUnicodeControlCharacterMenu</name>
    <message>
        <source>Insert Unicode control character</source>
        <translation>यूनिकोड नियंत्रण वर्ण डालें</translation>
    </message>
    <message>
        <source>LRM Left-to-right mark</source>
        <translation>LRM बाएँ-से-दाएँ चिह्न</translation>
    </message>
    <message>
        <source>RLM Right-to-left mark</source>
        <translation>RLM दाएँ-से-बाएँ चिह्न</translation>
    </message>
    <message>
        <source>ZWJ Zero width joiner</source>
        <translation>ZWJ शून्य-चौड़ाई योजक</translation>
    </message>
    <message>
        <source>ZWNJ Zero width non-joiner</source>
        <translation>ZWNJ शून्य-चौड़ाई अयोजक</translation>
    </message>
    <message>
        <source>ZWSP Zero width space</source>
        <translation>ZWSP शून्य-चौड़ाई रिक्ति</translation>
    </message>
    <message>
        <source>LRE Start of left-to-right embedding</source>
        <translation>LRE बाएँ-से-दाएँ अंतःस्थापन का आरंभ</translation>
    </message>
    <message>
        <source>RLE Start of right-to-left embedding</source>
        <translation>RLE दाएँ-से-बाएँ अंतःस्थापन का आरंभ</translation>
    </message>
    <message>
        <source>LRO Start of left-to-right override</source>
        <translation>LRO बाएँ-से-दाएँ अधिरोहण का आरंभ</translation>
    </message>
    <message>
        <source>RLO Start of right-to-left override</source>
        <translation>RLO दाएँ-से-बाएँ अधिरोहण का आरंभ</translation>
    </message>
    <message>
        <source>PDF Pop directional formatting</source>
        <translation>PDF दिशा-स्वरूपण का अंत</translation>
    </message>
    <message>
        <source>LRI Left-to-right isolate</source>
        <translation>LRI बाएँ-से-दाएँ पृथक खंड</translation>
    </message>
    <message>
        <source>RLI Right-to-left isolate</source>
        <translation>RLI दाएँ-से-बाएँ पृथक खंड</translation>
    </message>
    <message>
        <source>FSI First strong isolate</source>
        <translation>FSI पहले प्रबल वर्ण से पृथक खंड</translation>
    </message>
    <message>
        <source>PDI Pop directional isolate</source>
        <translation>PDI पृथक खंड का अंत</translation>
    </message>
</context>
<context>
    <name>QWidgetTextControl</name>
    <message>
        <source>&amp;Undo</source>
        <translation>पूर्ववत करें (&amp;U)</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>फिर से करें (&amp;R)</translation>
    </message>
    <message>
        <source>Cu&amp;t</source>
        <translation>काटें (&amp;T)</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>कॉपी करें (&amp;C)</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>चिपकाएँ (&amp;P)</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>मिटाएँ</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>सब चुनें</translation>
    </message>
    <message>
        <source>Copy &amp;Link Location</source>
        <translation>लिंक का पता कॉपी करें (&amp;L)</translation>
    </message>
</context>
</TS>
