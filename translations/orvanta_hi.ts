<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="hi_IN">
<context>
    <name>About</name>
    <message>
        <location filename="../core/support/ProductText.h" line="15"/>
        <source>%1 is a moon sign / rashi calculator software based on Vedic Astrology. This program tells us in detail the characteristics and features of people born under a particular moon sign. This is different from the sun sign calculated in western astrology. This helps you understand your positive and negative traits, thus helping you improve your personality.</source>
        <extracomment>%1 is the program&apos;s name (&quot;Orvanta&quot; or &quot;Orvanta Free&quot;).</extracomment>
        <translation>%1 वैदिक ज्योतिष पर आधारित चंद्र राशि की गणना करने वाला सॉफ्टवेयर है। यह प्रोग्राम किसी विशेष चंद्र राशि में जन्मे लोगों के गुणों और विशेषताओं के बारे में विस्तार से बताता है। यह पाश्चात्य ज्योतिष में निकाली जाने वाली सूर्य राशि से अलग है। इससे आपको अपने सकारात्मक और नकारात्मक गुणों को समझने में मदद मिलती है, और इस तरह आप अपने व्यक्तित्व को निखार सकते हैं।</translation>
    </message>
</context>
<context>
    <name>Ayanamsa</name>
    <message>
        <location filename="../core/ephemeris/PreciseMoon.h" line="31"/>
        <source>Lahiri</source>
        <translation>लाहिरी</translation>
    </message>
    <message>
        <location filename="../core/ephemeris/PreciseMoon.h" line="32"/>
        <source>Raman</source>
        <translation>रमन</translation>
    </message>
    <message>
        <location filename="../core/ephemeris/PreciseMoon.h" line="33"/>
        <source>Krishnamurti</source>
        <translation>कृष्णमूर्ति</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <location filename="../gui/app/CommandLine.cpp" line="59"/>
        <source>Usage: orvanta [options] [FILE]
       orvanta --match BRIDE-FILE GROOM-FILE</source>
        <extracomment>The command&apos;s synopsis, two lines aligned under each other; &quot;orvanta&quot; and &quot;--match&quot; are typed as they are, FILE as in &quot;A saved reading to open.&quot;.</extracomment>
        <translation>उपयोग: orvanta [विकल्प] [फाइल]
       orvanta --match वधू-फाइल वर-फाइल</translation>
    </message>
    <message>
        <location filename="../gui/app/CommandLine.cpp" line="127"/>
        <source>Show this help and end.</source>
        <translation>यह सहायता दिखाकर समाप्त करें।</translation>
    </message>
    <message>
        <location filename="../gui/app/CommandLine.cpp" line="129"/>
        <source>Show the version and end.</source>
        <translation>संस्करण दिखाकर समाप्त करें।</translation>
    </message>
    <message>
        <location filename="../gui/app/CommandLine.cpp" line="131"/>
        <source>Orvanta finds the rashi, the sign the Moon stood in at a person&apos;s birth in
Vedic astrology, and shows its reading. Given a saved reading (.ras), it
opens it as &quot;Open Previously Saved Reading&quot; does.</source>
        <translation>Orvanta वैदिक ज्योतिष के अनुसार राशि, यानी व्यक्ति के जन्म के समय चंद्रमा
जिस राशि में था, निकालता है और उसका राशिफल दिखाता है। सहेजा गया राशिफल
(.ras) देने पर यह उसे उसी तरह खोलता है, जैसे &quot;पहले सहेजा गया राशिफल खोलें&quot; बटन।</translation>
    </message>
    <message>
        <location filename="../gui/app/CommandLine.cpp" line="136"/>
        <source>Print the match of two saved readings, the bride&apos;s FILE
first and the groom&apos;s second, and end.</source>
        <translation>सहेजे गए दो राशिफलों का मिलान दिखाकर समाप्त करें; पहले वधू की
फाइल दें, फिर वर की।</translation>
    </message>
    <message>
        <location filename="../gui/app/CommandLine.cpp" line="143"/>
        <source>FILE</source>
        <extracomment>The name of the command&apos;s argument in its help, as in &quot;Usage: orvanta [options] [FILE]&quot;.</extracomment>
        <translation>फाइल</translation>
    </message>
    <message>
        <location filename="../gui/app/CommandLine.cpp" line="144"/>
        <source>A saved reading to open.</source>
        <translation>खोलने के लिए सहेजा गया राशिफल।</translation>
    </message>
    <message>
        <location filename="../gui/app/CommandLine.cpp" line="159"/>
        <source>Give --match two reading files, the bride&apos;s first.</source>
        <translation>--match को दो राशिफल फाइलें दें, पहले वधू की।</translation>
    </message>
    <message>
        <location filename="../gui/app/CommandLine.cpp" line="160"/>
        <source>Give at most one reading file.</source>
        <translation>अधिक से अधिक एक राशिफल फाइल दें।</translation>
    </message>
    <message>
        <location filename="../gui/app/CommandLine.cpp" line="165"/>
        <source>There is no display platform &quot;%1&quot;; there are: %2.</source>
        <extracomment>%1: the name given after -platform; %2: the names Qt can use, such as &quot;offscreen, xcb&quot;.</extracomment>
        <translation>डिस्प्ले प्लेटफॉर्म &quot;%1&quot; नहीं है; ये उपलब्ध हैं: %2।</translation>
    </message>
</context>
<context>
    <name>CrossCheck</name>
    <message>
        <location filename="../core/reading/MoonMethod.cpp" line="35"/>
        <source>pada %1 of %2</source>
        <extracomment>A pada (quarter) of a nakshatra, in the cross-check: %1 its number, 1 to 4, %2 the nakshatra&apos;s name.</extracomment>
        <translation>%2 चरण %1</translation>
    </message>
    <message>
        <location filename="../core/reading/MoonMethod.cpp" line="56"/>
        <source>The classic series</source>
        <extracomment>The program&apos;s own method (a 25-term lunar series) at the start of the cross-check line.</extracomment>
        <translation>क्लासिक श्रेणी</translation>
    </message>
    <message>
        <location filename="../core/reading/MoonMethod.cpp" line="62"/>
        <source>The classic series, with the %1 ayanamsa,</source>
        <extracomment>The classic series compared in another zodiac, at the start of &quot;%1 puts the Moon at …&quot;: %1 an ayanamsa&apos;s name (&quot;Raman&quot;). The closing comma ends the aside in English; a language without the aside leaves it out.</extracomment>
        <translation>%1 अयनांश के साथ क्लासिक श्रेणी</translation>
    </message>
    <message>
        <location filename="../core/reading/MoonMethod.cpp" line="64"/>
        <source>The classic series, with the %1 ayanamsa</source>
        <extracomment>As above, where no verb follows: %1 an ayanamsa&apos;s name.</extracomment>
        <translation>%1 अयनांश के साथ क्लासिक श्रेणी</translation>
    </message>
    <message>
        <location filename="../core/reading/MoonMethod.cpp" line="78"/>
        <source>Show the reading by %1</source>
        <extracomment>A link under the cross-check: %1 the other method (&quot;Swiss Ephemeris (Lahiri)&quot;).</extracomment>
        <translation>%1 के अनुसार राशिफल दिखाएँ</translation>
    </message>
    <message>
        <location filename="../core/reading/MoonMethod.cpp" line="89"/>
        <source>Neither method names a rashi for this birth. This reading follows %1.</source>
        <extracomment>%1 the method the reading follows.</extracomment>
        <translation>किसी भी विधि से इस जन्म की राशि नहीं निकलती। यह राशिफल %1 के अनुसार है।</translation>
    </message>
    <message>
        <location filename="../core/reading/MoonMethod.cpp" line="98"/>
        <source>%1 names no rashi for this birth; %2 puts the Moon at %3 in %4, %5. This reading follows %6.</source>
        <extracomment>%1 the method that names no rashi, %2 the other one, %3 degrees and minutes into the sign (&quot;23°16′&quot;), %4 the rashi, %5 the pada (&quot;pada 2 of Rohini&quot;), %6 the method the reading follows.</extracomment>
        <translation>%1 से इस जन्म की राशि नहीं निकलती; %2 के अनुसार चंद्रमा %4 में %3 पर है, %5। यह राशिफल %6 के अनुसार है।</translation>
    </message>
    <message>
        <location filename="../core/reading/MoonMethod.cpp" line="127"/>
        <source>the classic series</source>
        <extracomment>The program&apos;s own method inside a sentence (&quot;Reading by %1&quot;).</extracomment>
        <translation>क्लासिक श्रेणी</translation>
    </message>
    <message>
        <location filename="../core/reading/MoonMethod.cpp" line="130"/>
        <source>Swiss Ephemeris (%1)</source>
        <extracomment>The precise method: %1 its ayanamsa (&quot;Lahiri&quot;).</extracomment>
        <translation>स्विस एफेमेरिस (%1)</translation>
    </message>
    <message>
        <location filename="../core/reading/MoonMethod.cpp" line="164"/>
        <source>%1: Moon at %2 in %3, %4 %5 — same rashi and pada</source>
        <extracomment>What the other method says where both agree: %1 the other method, %2 degrees and minutes into the sign (&quot;23°16′&quot;), %3 the rashi, %4 the method the reading follows, %5 its degrees and minutes.</extracomment>
        <translation>%1: चंद्रमा %3 में %2 पर, %4 के अनुसार %5 — राशि और चरण एक ही</translation>
    </message>
    <message>
        <location filename="../core/reading/MoonMethod.cpp" line="174"/>
        <source>%1 puts the Moon at %2 in %3, %4; %5 at %6, %7. This reading follows %5.</source>
        <extracomment>Where the two methods differ: %1 the other method, %2 its degrees and minutes into the sign, %3 its rashi, %4 its pada (&quot;pada 2 of Rohini&quot;), %5 the method the reading follows, %6 its degrees and minutes, %7 its pada (same rashi) or its rashi.</extracomment>
        <translation>%1 के अनुसार चंद्रमा %3 में %2 पर है, %4; %5 के अनुसार %6 पर, %7। यह राशिफल %5 के अनुसार है।</translation>
    </message>
    <message>
        <location filename="../core/reading/MoonMethod.cpp" line="177"/>
        <source>%1 puts the Moon at %2 in %3, %4; %5 at %6 in %7. This reading follows %5.</source>
        <translation>%1 के अनुसार चंद्रमा %3 में %2 पर है, %4; %5 के अनुसार %7 में %6 पर। यह राशिफल %5 के अनुसार है।</translation>
    </message>
    <message>
        <location filename="../core/reading/MoonMethod.cpp" line="190"/>
        <source>%1 This reading follows the classic series.</source>
        <extracomment>%1 why Swiss Ephemeris could not answer (a sentence of its own).</extracomment>
        <translation>%1 यह राशिफल क्लासिक श्रेणी के अनुसार है।</translation>
    </message>
</context>
<context>
    <name>Dates</name>
    <message>
        <location filename="../gui/widgets/UiLanguage.cpp" line="39"/>
        <source>d MMM</source>
        <extracomment>How a date without its year is written, as a QLocale date format: d is the day, MMM the month&apos;s short name, MMMM its full name. Example: 14 Jun.</extracomment>
        <translation>d MMMM</translation>
    </message>
    <message>
        <location filename="../gui/widgets/UiLanguage.cpp" line="43"/>
        <source>d MMM yyyy</source>
        <extracomment>How a date is written, as a QLocale date format: d is the day, MMM the month&apos;s short name, MMMM its full name, yyyy the year. Example: 14 Jun 2024.</extracomment>
        <translation>d MMMM yyyy</translation>
    </message>
    <message>
        <location filename="../gui/widgets/UiLanguage.cpp" line="49"/>
        <source>HH:mm</source>
        <extracomment>How a clock time is written, as a QLocale time format: HH the hour 00 to 23, mm the minutes. Example: 01:00.</extracomment>
        <translation>HH:mm</translation>
    </message>
</context>
<context>
    <name>Entry</name>
    <message>
        <location filename="../core/entry/InputRules.cpp" line="51"/>
        <source>Please Enter Name</source>
        <translation>कृपया नाम दर्ज करें</translation>
    </message>
    <message>
        <location filename="../core/entry/InputRules.cpp" line="54"/>
        <source>Please Enter Hour and Minute of Time Zone</source>
        <translation>कृपया समय क्षेत्र के घंटे और मिनट दर्ज करें</translation>
    </message>
    <message>
        <location filename="../core/entry/InputRules.cpp" line="57"/>
        <source>Please Enter Degree of Longitude</source>
        <translation>कृपया देशांतर के अंश दर्ज करें</translation>
    </message>
    <message>
        <location filename="../core/entry/InputRules.cpp" line="60"/>
        <source>Please Enter Minute of Longitude</source>
        <translation>कृपया देशांतर की कला दर्ज करें</translation>
    </message>
    <message>
        <location filename="../core/entry/InputRules.cpp" line="63"/>
        <source>Please Enter Degree of Latitude</source>
        <translation>कृपया अक्षांश के अंश दर्ज करें</translation>
    </message>
    <message>
        <location filename="../core/entry/InputRules.cpp" line="66"/>
        <source>Please Enter Minute of Latitude</source>
        <translation>कृपया अक्षांश की कला दर्ज करें</translation>
    </message>
    <message>
        <location filename="../core/entry/InputRules.cpp" line="71"/>
        <source>Please Enter A Valid Number</source>
        <translation>कृपया सही संख्या दर्ज करें</translation>
    </message>
    <message>
        <location filename="../core/entry/InputRules.cpp" line="91"/>
        <source>Please Enter Correct Date Or Month!</source>
        <translation>कृपया सही तारीख या महीना दर्ज करें!</translation>
    </message>
    <message>
        <location filename="../core/entry/InputRules.cpp" line="95"/>
        <source>Please Enter Correct Date Or Month !</source>
        <translation>कृपया सही तारीख या महीना दर्ज करें!</translation>
    </message>
    <message>
        <location filename="../core/entry/InputRules.h" line="26"/>
        <source>Only Numbers Are Accepted</source>
        <translation>केवल अंक स्वीकार किए जाते हैं</translation>
    </message>
</context>
<context>
    <name>HelpMenu</name>
    <message>
        <location filename="../gui/widgets/Controls.h" line="39"/>
        <source>&amp;Help</source>
        <translation>सहायता (&amp;H)</translation>
    </message>
    <message>
        <location filename="../gui/widgets/Controls.h" line="40"/>
        <source>&amp;Online Help</source>
        <translation>ऑनलाइन सहायता (&amp;O)</translation>
    </message>
    <message>
        <location filename="../gui/widgets/Controls.h" line="41"/>
        <source>&amp;Visit Us Online</source>
        <translation>हमारी वेबसाइट देखें (&amp;V)</translation>
    </message>
    <message>
        <location filename="../gui/widgets/Controls.h" line="43"/>
        <source>Check for Software &amp;Update</source>
        <translation>सॉफ्टवेयर अपडेट की जाँच करें (&amp;U)</translation>
    </message>
    <message>
        <location filename="../gui/widgets/Controls.h" line="46"/>
        <source>&amp;About Software</source>
        <translation>सॉफ्टवेयर के बारे में (&amp;A)</translation>
    </message>
</context>
<context>
    <name>MatchCommand</name>
    <message>
        <location filename="../gui/app/MatchCommand.cpp" line="44"/>
        <source>No rashi can be found for this birth.</source>
        <translation>इस जन्म के लिए कोई राशि नहीं मिल सकी।</translation>
    </message>
    <message>
        <location filename="../gui/app/MatchCommand.cpp" line="51"/>
        <source>Please Check The File.</source>
        <translation>कृपया फाइल जाँचें।</translation>
    </message>
    <message>
        <location filename="../gui/app/MatchCommand.cpp" line="60"/>
        <source>%1: %2, born %3 at %4; %5, %6
</source>
        <extracomment>A person&apos;s line of the printed match: role, name, birth, place, rashi, nakshatra.</extracomment>
        <translation>%1: %2, जन्म %3, स्थान %4; %5, %6
</translation>
    </message>
    <message>
        <location filename="../gui/app/MatchCommand.cpp" line="69"/>
        <location filename="../gui/app/MatchCommand.cpp" line="73"/>
        <source>Bride</source>
        <translation>वधू</translation>
    </message>
    <message>
        <location filename="../gui/app/MatchCommand.cpp" line="69"/>
        <location filename="../gui/app/MatchCommand.cpp" line="73"/>
        <source>Groom</source>
        <translation>वर</translation>
    </message>
    <message>
        <location filename="../gui/app/MatchCommand.cpp" line="73"/>
        <source>Koota</source>
        <translation>कूट</translation>
    </message>
    <message>
        <location filename="../gui/app/MatchCommand.cpp" line="73"/>
        <source>Points</source>
        <translation>गुण</translation>
    </message>
    <message>
        <location filename="../gui/app/MatchCommand.cpp" line="76"/>
        <source>%1 of %2</source>
        <translation>%2 में से %1</translation>
    </message>
    <message>
        <location filename="../gui/app/MatchCommand.cpp" line="78"/>
        <source>Total</source>
        <translation>कुल</translation>
    </message>
</context>
<context>
    <name>Matching</name>
    <message>
        <location filename="../core/matching/KootaTables.h" line="203"/>
        <source>Varna</source>
        <extracomment>The eight kootas of Ashtakoota matching, left in Sanskrit.</extracomment>
        <translation>वर्ण</translation>
    </message>
    <message>
        <location filename="../core/matching/KootaTables.h" line="204"/>
        <source>Vashya</source>
        <translation>वश्य</translation>
    </message>
    <message>
        <location filename="../core/matching/KootaTables.h" line="205"/>
        <source>Tara</source>
        <translation>तारा</translation>
    </message>
    <message>
        <location filename="../core/matching/KootaTables.h" line="206"/>
        <source>Yoni</source>
        <translation>योनि</translation>
    </message>
    <message>
        <location filename="../core/matching/KootaTables.h" line="207"/>
        <source>Graha Maitri</source>
        <translation>ग्रह मैत्री</translation>
    </message>
    <message>
        <location filename="../core/matching/KootaTables.h" line="208"/>
        <source>Gana</source>
        <translation>गण</translation>
    </message>
    <message>
        <location filename="../core/matching/KootaTables.h" line="209"/>
        <source>Bhakoot</source>
        <translation>भकूट</translation>
    </message>
    <message>
        <location filename="../core/matching/KootaTables.h" line="210"/>
        <source>Nadi</source>
        <translation>नाड़ी</translation>
    </message>
    <message>
        <location filename="../core/matching/KootaTables.h" line="215"/>
        <source>Brahmin</source>
        <extracomment>A varna (class) of a rashi in matching.</extracomment>
        <translation>ब्राह्मण</translation>
    </message>
    <message>
        <location filename="../core/matching/KootaTables.h" line="216"/>
        <source>Kshatriya</source>
        <translation>क्षत्रिय</translation>
    </message>
    <message>
        <location filename="../core/matching/KootaTables.h" line="217"/>
        <source>Vaishya</source>
        <translation>वैश्य</translation>
    </message>
    <message>
        <location filename="../core/matching/KootaTables.h" line="218"/>
        <source>Shudra</source>
        <translation>शूद्र</translation>
    </message>
    <message>
        <location filename="../core/matching/KootaTables.h" line="223"/>
        <source>Four-footed</source>
        <extracomment>A vashya group of rashis: four-footed, human, water, forest (Leo), insect (Scorpio).</extracomment>
        <translation>चतुष्पद</translation>
    </message>
    <message>
        <location filename="../core/matching/KootaTables.h" line="224"/>
        <source>Human</source>
        <translation>मानव</translation>
    </message>
    <message>
        <location filename="../core/matching/KootaTables.h" line="225"/>
        <source>Water</source>
        <translation>जलचर</translation>
    </message>
    <message>
        <location filename="../core/matching/KootaTables.h" line="226"/>
        <source>Forest</source>
        <translation>वनचर</translation>
    </message>
    <message>
        <location filename="../core/matching/KootaTables.h" line="227"/>
        <source>Insect</source>
        <translation>कीट</translation>
    </message>
    <message>
        <location filename="../core/matching/KootaTables.h" line="234"/>
        <source>Janma</source>
        <extracomment>A tara: the other&apos;s nakshatra counted from one&apos;s own, by nines.</extracomment>
        <translation>जन्म</translation>
    </message>
    <message>
        <location filename="../core/matching/KootaTables.h" line="235"/>
        <source>Sampat</source>
        <translation>संपत</translation>
    </message>
    <message>
        <location filename="../core/matching/KootaTables.h" line="236"/>
        <source>Vipat</source>
        <translation>विपत</translation>
    </message>
    <message>
        <location filename="../core/matching/KootaTables.h" line="237"/>
        <source>Kshema</source>
        <translation>क्षेम</translation>
    </message>
    <message>
        <location filename="../core/matching/KootaTables.h" line="238"/>
        <source>Pratyak</source>
        <translation>प्रत्यरि</translation>
    </message>
    <message>
        <location filename="../core/matching/KootaTables.h" line="239"/>
        <source>Sadhana</source>
        <translation>साधक</translation>
    </message>
    <message>
        <location filename="../core/matching/KootaTables.h" line="240"/>
        <source>Vadha</source>
        <translation>वध</translation>
    </message>
    <message>
        <location filename="../core/matching/KootaTables.h" line="241"/>
        <source>Mitra</source>
        <translation>मित्र</translation>
    </message>
    <message>
        <location filename="../core/matching/KootaTables.h" line="242"/>
        <source>Ati-mitra</source>
        <translation>अतिमित्र</translation>
    </message>
    <message>
        <location filename="../core/matching/KootaTables.h" line="247"/>
        <source>Horse</source>
        <extracomment>A yoni (the animal of a nakshatra) in matching.</extracomment>
        <translation>अश्व</translation>
    </message>
    <message>
        <location filename="../core/matching/KootaTables.h" line="248"/>
        <source>Elephant</source>
        <translation>गज</translation>
    </message>
    <message>
        <location filename="../core/matching/KootaTables.h" line="249"/>
        <source>Ram</source>
        <translation>मेष</translation>
    </message>
    <message>
        <location filename="../core/matching/KootaTables.h" line="250"/>
        <source>Serpent</source>
        <translation>सर्प</translation>
    </message>
    <message>
        <location filename="../core/matching/KootaTables.h" line="251"/>
        <source>Dog</source>
        <translation>श्वान</translation>
    </message>
    <message>
        <location filename="../core/matching/KootaTables.h" line="252"/>
        <source>Cat</source>
        <translation>मार्जार</translation>
    </message>
    <message>
        <location filename="../core/matching/KootaTables.h" line="253"/>
        <source>Rat</source>
        <translation>मूषक</translation>
    </message>
    <message>
        <location filename="../core/matching/KootaTables.h" line="254"/>
        <source>Cow</source>
        <translation>गौ</translation>
    </message>
    <message>
        <location filename="../core/matching/KootaTables.h" line="255"/>
        <source>Buffalo</source>
        <translation>महिष</translation>
    </message>
    <message>
        <location filename="../core/matching/KootaTables.h" line="256"/>
        <source>Tiger</source>
        <translation>व्याघ्र</translation>
    </message>
    <message>
        <location filename="../core/matching/KootaTables.h" line="257"/>
        <source>Deer</source>
        <translation>मृग</translation>
    </message>
    <message>
        <location filename="../core/matching/KootaTables.h" line="258"/>
        <source>Monkey</source>
        <translation>वानर</translation>
    </message>
    <message>
        <location filename="../core/matching/KootaTables.h" line="259"/>
        <source>Mongoose</source>
        <translation>नकुल</translation>
    </message>
    <message>
        <location filename="../core/matching/KootaTables.h" line="260"/>
        <source>Lion</source>
        <translation>सिंह</translation>
    </message>
    <message>
        <location filename="../core/matching/KootaTables.h" line="276"/>
        <source>Deva</source>
        <extracomment>A gana (temperament) of a nakshatra: divine, human, demonic.</extracomment>
        <translation>देव</translation>
    </message>
    <message>
        <location filename="../core/matching/KootaTables.h" line="277"/>
        <source>Manushya</source>
        <translation>मनुष्य</translation>
    </message>
    <message>
        <location filename="../core/matching/KootaTables.h" line="278"/>
        <source>Rakshasa</source>
        <translation>राक्षस</translation>
    </message>
    <message>
        <location filename="../core/matching/KootaTables.h" line="283"/>
        <source>Adi</source>
        <extracomment>A nadi of a nakshatra: first, middle, last.</extracomment>
        <translation>आदि</translation>
    </message>
    <message>
        <location filename="../core/matching/KootaTables.h" line="284"/>
        <source>Madhya</source>
        <translation>मध्य</translation>
    </message>
    <message>
        <location filename="../core/matching/KootaTables.h" line="285"/>
        <source>Antya</source>
        <translation>अंत्य</translation>
    </message>
    <message>
        <location filename="../core/matching/Match.cpp" line="71"/>
        <source>%1 (%2)</source>
        <extracomment>A tara and its number: the other&apos;s nakshatra counted from one&apos;s own.</extracomment>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <location filename="../core/matching/Match.cpp" line="87"/>
        <location filename="../core/matching/Match.cpp" line="101"/>
        <source>%1 or %2</source>
        <extracomment>Two values, either of which may hold where a Moon cannot be told exactly.</extracomment>
        <translation>%1 या %2</translation>
    </message>
    <message>
        <location filename="../core/matching/Match.cpp" line="104"/>
        <source>%1 to %2</source>
        <extracomment>The least and the most of several possible points.</extracomment>
        <translation>%1 से %2</translation>
    </message>
    <message>
        <location filename="../core/matching/Match.cpp" line="111"/>
        <source>%1: %2</source>
        <extracomment>A notice&apos;s heading and its text, as a screen reader says them.</extracomment>
        <translation>%1: %2</translation>
    </message>
    <message>
        <location filename="../core/matching/Match.cpp" line="152"/>
        <source>%1: the bride %2, the groom %3; %4 of %5 points.</source>
        <translation>%1: वधू %2, वर %3; %5 में से %4 गुण।</translation>
    </message>
    <message>
        <location filename="../core/matching/Match.cpp" line="160"/>
        <source>That holds here.</source>
        <translation>यहाँ यह बात लागू होती है।</translation>
    </message>
    <message>
        <location filename="../core/matching/Match.cpp" line="162"/>
        <source>Whether that holds here depends on the Moon in doubt.</source>
        <translation>यहाँ यह बात लागू होती है या नहीं, यह संदिग्ध चंद्रमा पर निर्भर है।</translation>
    </message>
    <message>
        <location filename="../core/matching/Match.cpp" line="163"/>
        <source>That does not hold here.</source>
        <translation>यहाँ यह बात लागू नहीं होती।</translation>
    </message>
    <message>
        <location filename="../core/matching/Match.cpp" line="184"/>
        <source>The dosha itself depends on the Moon in doubt.</source>
        <translation>दोष स्वयं संदिग्ध चंद्रमा पर निर्भर है।</translation>
    </message>
    <message>
        <location filename="../core/matching/Match.cpp" line="189"/>
        <location filename="../core/matching/Match.cpp" line="394"/>
        <source>%1 %2</source>
        <extracomment>Two sentences of a note, one after the other.</extracomment>
        <translation>%1 %2</translation>
    </message>
    <message>
        <location filename="../core/matching/Match.cpp" line="196"/>
        <source>Nadi dosha</source>
        <translation>नाड़ी दोष</translation>
    </message>
    <message>
        <location filename="../core/matching/Match.cpp" line="197"/>
        <source>Both Moons are in the %1 nadi, which gets 0 of 8 points. The tradition lifts this dosha where the two are in one rashi but different nakshatras, or in one nakshatra but different padas.</source>
        <translation>दोनों चंद्रमा %1 नाड़ी में हैं, जिसे 8 में से 0 गुण मिलते हैं। परंपरा के अनुसार यह दोष तब नहीं रहता, जब दोनों की राशि एक हो पर नक्षत्र अलग हों, या नक्षत्र एक हो पर चरण अलग हों।</translation>
    </message>
    <message>
        <location filename="../core/matching/Match.cpp" line="208"/>
        <source>dvirdvadasha</source>
        <translation>द्विर्द्वादश</translation>
    </message>
    <message>
        <location filename="../core/matching/Match.cpp" line="209"/>
        <source>navapanchama</source>
        <translation>नवपंचम</translation>
    </message>
    <message>
        <location filename="../core/matching/Match.cpp" line="210"/>
        <source>shadashtaka</source>
        <translation>षडाष्टक</translation>
    </message>
    <message>
        <location filename="../core/matching/Match.cpp" line="211"/>
        <source>Bhakoot dosha</source>
        <translation>भकूट दोष</translation>
    </message>
    <message>
        <location filename="../core/matching/Match.cpp" line="212"/>
        <source>Counted from the bride&apos;s rashi the groom&apos;s is number %1, and hers counted from his is number %2 (%3), which gets 0 of 7 points. The tradition lifts this dosha where the two rashis have one lord, or a lord that counts the other a friend.</source>
        <translation>वधू की राशि से गिनने पर वर की राशि %1 पर आती है, और वर की राशि से गिनने पर वधू की राशि %2 पर (%3), जिसे 7 में से 0 गुण मिलते हैं। परंपरा के अनुसार यह दोष तब नहीं रहता, जब दोनों राशियों का स्वामी एक हो, या एक का स्वामी दूसरे के स्वामी को मित्र मानता हो।</translation>
    </message>
    <message>
        <location filename="../core/matching/Match.cpp" line="223"/>
        <source>18 or more of 36: the match may be considered.</source>
        <translation>36 में से 18 या अधिक: इस मिलान पर विचार किया जा सकता है।</translation>
    </message>
    <message>
        <location filename="../core/matching/Match.cpp" line="225"/>
        <source>Below 18 of 36: the match is not recommended.</source>
        <translation>36 में से 18 से कम: यह मिलान उचित नहीं माना जाता।</translation>
    </message>
    <message>
        <location filename="../core/matching/Match.cpp" line="229"/>
        <source>Cannot be told: with the Moon in doubt the total may fall on either side of 18.</source>
        <translation>तय नहीं किया जा सकता: संदिग्ध चंद्रमा के कारण कुल गुण 18 से कम भी हो सकते हैं और अधिक भी।</translation>
    </message>
    <message>
        <location filename="../core/matching/Match.cpp" line="243"/>
        <source>The bride&apos;s rashi cannot be told by this method.</source>
        <translation>इस विधि से वधू की राशि तय नहीं की जा सकती।</translation>
    </message>
    <message>
        <location filename="../core/matching/Match.cpp" line="244"/>
        <source>The groom&apos;s rashi cannot be told by this method.</source>
        <translation>इस विधि से वर की राशि तय नहीं की जा सकती।</translation>
    </message>
    <message>
        <location filename="../core/matching/Match.cpp" line="247"/>
        <source>The bride&apos;s pada cannot be told by this method.</source>
        <translation>इस विधि से वधू का चरण तय नहीं किया जा सकता।</translation>
    </message>
    <message>
        <location filename="../core/matching/Match.cpp" line="248"/>
        <source>The groom&apos;s pada cannot be told by this method.</source>
        <translation>इस विधि से वर का चरण तय नहीं किया जा सकता।</translation>
    </message>
    <message>
        <location filename="../core/matching/Match.cpp" line="250"/>
        <source>The bride&apos;s Moon is within this method&apos;s accuracy of the middle of its rashi, where Vashya changes.</source>
        <translation>वधू का चंद्रमा अपनी राशि के मध्य से इस विधि की सटीकता-सीमा के भीतर है, जहाँ वश्य बदलता है।</translation>
    </message>
    <message>
        <location filename="../core/matching/Match.cpp" line="252"/>
        <source>The groom&apos;s Moon is within this method&apos;s accuracy of the middle of its rashi, where Vashya changes.</source>
        <translation>वर का चंद्रमा अपनी राशि के मध्य से इस विधि की सटीकता-सीमा के भीतर है, जहाँ वश्य बदलता है।</translation>
    </message>
    <message>
        <location filename="../core/matching/Match.cpp" line="319"/>
        <source>(no name)</source>
        <extracomment>Shown for a saved reading that holds no name.</extracomment>
        <translation>(नाम नहीं)</translation>
    </message>
    <message>
        <location filename="../core/matching/Match.cpp" line="322"/>
        <source>%1, %2</source>
        <extracomment>A birth&apos;s date and clock time, as &quot;12 Mar 1975, 07:05&quot;.</extracomment>
        <translation>%1, %2</translation>
    </message>
    <message>
        <location filename="../core/matching/Match.cpp" line="324"/>
        <source>%1 %2, %3 %4</source>
        <extracomment>A birth place as latitude and longitude with their sides: &quot;28°39′ N, 77°13′ E&quot;.</extracomment>
        <translation>%1 %2, %3 %4</translation>
    </message>
    <message>
        <location filename="../core/matching/Match.cpp" line="327"/>
        <source>S</source>
        <extracomment>North or South, after a latitude.</extracomment>
        <translation>द</translation>
    </message>
    <message>
        <location filename="../core/matching/Match.cpp" line="328"/>
        <source>N</source>
        <translation>उ</translation>
    </message>
    <message>
        <location filename="../core/matching/Match.cpp" line="331"/>
        <source>E</source>
        <extracomment>East or West, after a longitude.</extracomment>
        <translation>पू</translation>
    </message>
    <message>
        <location filename="../core/matching/Match.cpp" line="332"/>
        <source>W</source>
        <translation>प</translation>
    </message>
    <message>
        <location filename="../core/matching/Match.cpp" line="371"/>
        <source>%1 of %2</source>
        <translation>%2 में से %1</translation>
    </message>
    <message>
        <location filename="../core/matching/Match.cpp" line="377"/>
        <source>The traditional scale: a match may be considered with at least half of the 36 points (18), as the Hindi texts on melapaka give it; the doshas are weighed beside the total.</source>
        <translation>पारंपरिक पैमाना: 36 गुणों में से कम से कम आधे (18) मिलने पर मिलान पर विचार किया जा सकता है, जैसा मेलापक पर हिंदी ग्रंथ बताते हैं; कुल गुणों के साथ दोषों का भी विचार किया जाता है।</translation>
    </message>
    <message>
        <location filename="../core/matching/Match.cpp" line="396"/>
        <source>Score cannot be told exactly</source>
        <translation>गुण ठीक-ठीक तय नहीं किए जा सकते</translation>
    </message>
    <message>
        <location filename="../core/matching/Match.cpp" line="397"/>
        <source>%1 The kootas that depend on it show each possible value, and the total is %2.</source>
        <translation>%1 जो कूट इस पर निर्भर हैं, वे हर संभव मान दिखाते हैं, और कुल गुण %2 हैं।</translation>
    </message>
    <message>
        <location filename="../core/matching/MatchReport.cpp" line="48"/>
        <source>Name: </source>
        <translation>नाम: </translation>
    </message>
    <message>
        <location filename="../core/matching/MatchReport.cpp" line="49"/>
        <source>Born: </source>
        <translation>जन्म: </translation>
    </message>
    <message>
        <location filename="../core/matching/MatchReport.cpp" line="50"/>
        <source>Place: </source>
        <translation>स्थान: </translation>
    </message>
    <message>
        <location filename="../core/matching/MatchReport.cpp" line="51"/>
        <source>Rashi: </source>
        <translation>राशि: </translation>
    </message>
    <message>
        <location filename="../core/matching/MatchReport.cpp" line="52"/>
        <source>Nakshatra: </source>
        <translation>नक्षत्र: </translation>
    </message>
    <message>
        <location filename="../core/matching/MatchReport.cpp" line="53"/>
        <source>Method: </source>
        <translation>विधि: </translation>
    </message>
    <message>
        <location filename="../core/matching/MatchReport.cpp" line="62"/>
        <source>Bride: </source>
        <translation>वधू: </translation>
    </message>
    <message>
        <location filename="../core/matching/MatchReport.cpp" line="63"/>
        <source>Groom: </source>
        <translation>वर: </translation>
    </message>
    <message>
        <location filename="../core/matching/MatchReport.cpp" line="65"/>
        <source>The Eight Kootas (Ashtakoota): </source>
        <translation>आठ कूट (अष्टकूट): </translation>
    </message>
    <message>
        <location filename="../core/matching/MatchReport.cpp" line="68"/>
        <location filename="../core/matching/MatchReport.cpp" line="79"/>
        <location filename="../core/matching/MatchReport.cpp" line="82"/>
        <source>%1: </source>
        <extracomment>A koota&apos;s line in the report: its name, then the bride&apos;s and the groom&apos;s class and the points.</extracomment>
        <translation>%1: </translation>
    </message>
    <message>
        <location filename="../core/matching/MatchReport.cpp" line="69"/>
        <source>the bride %1, the groom %2 — %3 of %4</source>
        <translation>वधू %1, वर %2 — %4 में से %3</translation>
    </message>
    <message>
        <location filename="../core/matching/MatchReport.cpp" line="74"/>
        <source>Result: </source>
        <translation>परिणाम: </translation>
    </message>
    <message>
        <location filename="../core/matching/MatchReport.cpp" line="75"/>
        <source>Total: </source>
        <translation>कुल: </translation>
    </message>
    <message>
        <location filename="../core/matching/MatchReport.cpp" line="76"/>
        <source>Verdict: </source>
        <translation>निष्कर्ष: </translation>
    </message>
    <message>
        <location filename="../core/matching/MatchReport.cpp" line="77"/>
        <source>Scale: </source>
        <translation>पैमाना: </translation>
    </message>
    <message>
        <location filename="../core/matching/MatchReport.cpp" line="85"/>
        <source>Doshas: </source>
        <translation>दोष: </translation>
    </message>
    <message>
        <location filename="../core/matching/MatchReport.cpp" line="85"/>
        <source>None</source>
        <translation>कोई नहीं</translation>
    </message>
</context>
<context>
    <name>MoonStay</name>
    <message>
        <location filename="../core/reading/StayText.cpp" line="32"/>
        <source>%1&#xa0;%2</source>
        <extracomment>A date and a clock time: %1 the date (&quot;14 Jun&quot;), %2 the time (&quot;01:00&quot;), joined by a no-break space.</extracomment>
        <translation>%1&#xa0;%2</translation>
    </message>
    <message>
        <location filename="../core/reading/StayText.cpp" line="63"/>
        <source>1 minute</source>
        <extracomment>A length of time, put into the sentences that say how far a change lies from the birth time.</extracomment>
        <translation>1 मिनट</translation>
    </message>
    <message>
        <location filename="../core/reading/StayText.cpp" line="65"/>
        <source>%1 minutes</source>
        <extracomment>A length of time: %1 is a number of minutes, 2 or more (or 0).</extracomment>
        <translation>%1 मिनट</translation>
    </message>
    <message>
        <location filename="../core/reading/StayText.cpp" line="78"/>
        <source>at the recorded birth time</source>
        <extracomment>When the Moon changed sign, nakshatra or pada, said of the birth: put into &quot;The Moon entered Thula %2&quot;, where %2 is this text.</extracomment>
        <translation>दर्ज जन्म समय पर</translation>
    </message>
    <message>
        <location filename="../core/reading/StayText.cpp" line="82"/>
        <source>less than a minute</source>
        <extracomment>A length of time, put into &quot;%1 after/before the recorded birth time&quot;.</extracomment>
        <translation>एक मिनट से भी कम समय</translation>
    </message>
    <message>
        <location filename="../core/reading/StayText.cpp" line="85"/>
        <source>%1 after the recorded birth time</source>
        <extracomment>When the Moon changed sign, nakshatra or pada: %1 a length of time (&quot;6 minutes&quot;). The whole is put into &quot;The Moon entered Thula %2&quot; as %2, so it must read as a plain time phrase there.</extracomment>
        <translation>दर्ज जन्म समय के %1 बाद</translation>
    </message>
    <message>
        <location filename="../core/reading/StayText.cpp" line="88"/>
        <source>%1 before the recorded birth time</source>
        <extracomment>When the Moon changed sign, nakshatra or pada: %1 a length of time (&quot;6 minutes&quot;). The whole is put into &quot;The Moon entered Thula %2&quot; as %2.</extracomment>
        <translation>दर्ज जन्म समय के %1 पहले</translation>
    </message>
    <message>
        <location filename="../core/reading/StayText.cpp" line="103"/>
        <source>%1&#xa0;on&#xa0;%2</source>
        <extracomment>A birth time on another day than the birth: %1 the clock time (&quot;23:55&quot;), %2 the date (&quot;13 Mar&quot;); joined by no-break spaces.</extracomment>
        <translation>%2&#xa0;%1</translation>
    </message>
    <message>
        <location filename="../core/reading/StayText.cpp" line="121"/>
        <source>Moon in %1 from %2 to %3 (birthplace clock)</source>
        <extracomment>When the Moon entered a rashi or nakshatra and when it leaves it: %1 the rashi&apos;s or nakshatra&apos;s name, %2 and %3 a date and time (&quot;14 Jun 01:00&quot;), on the clock of the birth place.</extracomment>
        <translation>चंद्रमा %1 में %2 से %3 तक (जन्मस्थान की घड़ी से)</translation>
    </message>
    <message>
        <location filename="../core/reading/StayText.cpp" line="127"/>
        <source>Moon in %1 from %2 (birthplace clock)</source>
        <extracomment>As above, where no end of the stay was found: %1 the rashi&apos;s or nakshatra&apos;s name, %2 a date and time.</extracomment>
        <translation>चंद्रमा %1 में %2 से (जन्मस्थान की घड़ी से)</translation>
    </message>
    <message>
        <location filename="../core/reading/StayText.cpp" line="133"/>
        <source>Moon in %1 to %2 (birthplace clock)</source>
        <extracomment>As above, where no start of the stay was found: %1 the rashi&apos;s or nakshatra&apos;s name, %2 a date and time.</extracomment>
        <translation>चंद्रमा %1 में %2 तक (जन्मस्थान की घड़ी से)</translation>
    </message>
    <message>
        <location filename="../core/reading/StayText.cpp" line="136"/>
        <source>Moon in %1</source>
        <extracomment>As above, where neither end of the stay was found: %1 the rashi&apos;s or nakshatra&apos;s name.</extracomment>
        <translation>चंद्रमा %1 में</translation>
    </message>
</context>
<context>
    <name>Nakshatra</name>
    <message>
        <location filename="../core/ephemeris/Nakshatra.h" line="31"/>
        <source>Ashwini</source>
        <extracomment>The names of the 27 nakshatras (lunar mansions) and of the planets (grahas) that rule them.</extracomment>
        <translation>अश्विनी</translation>
    </message>
    <message>
        <location filename="../core/ephemeris/Nakshatra.h" line="32"/>
        <source>Bharani</source>
        <translation>भरणी</translation>
    </message>
    <message>
        <location filename="../core/ephemeris/Nakshatra.h" line="33"/>
        <source>Krittika</source>
        <translation>कृत्तिका</translation>
    </message>
    <message>
        <location filename="../core/ephemeris/Nakshatra.h" line="34"/>
        <source>Rohini</source>
        <translation>रोहिणी</translation>
    </message>
    <message>
        <location filename="../core/ephemeris/Nakshatra.h" line="35"/>
        <source>Mrigashira</source>
        <translation>मृगशिरा</translation>
    </message>
    <message>
        <location filename="../core/ephemeris/Nakshatra.h" line="36"/>
        <source>Ardra</source>
        <translation>आर्द्रा</translation>
    </message>
    <message>
        <location filename="../core/ephemeris/Nakshatra.h" line="37"/>
        <source>Punarvasu</source>
        <translation>पुनर्वसु</translation>
    </message>
    <message>
        <location filename="../core/ephemeris/Nakshatra.h" line="38"/>
        <source>Pushya</source>
        <translation>पुष्य</translation>
    </message>
    <message>
        <location filename="../core/ephemeris/Nakshatra.h" line="39"/>
        <source>Ashlesha</source>
        <translation>आश्लेषा</translation>
    </message>
    <message>
        <location filename="../core/ephemeris/Nakshatra.h" line="40"/>
        <source>Magha</source>
        <translation>मघा</translation>
    </message>
    <message>
        <location filename="../core/ephemeris/Nakshatra.h" line="41"/>
        <source>Purva Phalguni</source>
        <translation>पूर्वा फाल्गुनी</translation>
    </message>
    <message>
        <location filename="../core/ephemeris/Nakshatra.h" line="42"/>
        <source>Uttara Phalguni</source>
        <translation>उत्तरा फाल्गुनी</translation>
    </message>
    <message>
        <location filename="../core/ephemeris/Nakshatra.h" line="43"/>
        <source>Hasta</source>
        <translation>हस्त</translation>
    </message>
    <message>
        <location filename="../core/ephemeris/Nakshatra.h" line="44"/>
        <source>Chitra</source>
        <translation>चित्रा</translation>
    </message>
    <message>
        <location filename="../core/ephemeris/Nakshatra.h" line="45"/>
        <source>Swati</source>
        <translation>स्वाती</translation>
    </message>
    <message>
        <location filename="../core/ephemeris/Nakshatra.h" line="46"/>
        <source>Vishakha</source>
        <translation>विशाखा</translation>
    </message>
    <message>
        <location filename="../core/ephemeris/Nakshatra.h" line="47"/>
        <source>Anuradha</source>
        <translation>अनुराधा</translation>
    </message>
    <message>
        <location filename="../core/ephemeris/Nakshatra.h" line="48"/>
        <source>Jyeshtha</source>
        <translation>ज्येष्ठा</translation>
    </message>
    <message>
        <location filename="../core/ephemeris/Nakshatra.h" line="49"/>
        <source>Mula</source>
        <translation>मूल</translation>
    </message>
    <message>
        <location filename="../core/ephemeris/Nakshatra.h" line="50"/>
        <source>Purva Ashadha</source>
        <translation>पूर्वाषाढ़ा</translation>
    </message>
    <message>
        <location filename="../core/ephemeris/Nakshatra.h" line="51"/>
        <source>Uttara Ashadha</source>
        <translation>उत्तराषाढ़ा</translation>
    </message>
    <message>
        <location filename="../core/ephemeris/Nakshatra.h" line="52"/>
        <source>Shravana</source>
        <translation>श्रवण</translation>
    </message>
    <message>
        <location filename="../core/ephemeris/Nakshatra.h" line="53"/>
        <source>Dhanishta</source>
        <translation>धनिष्ठा</translation>
    </message>
    <message>
        <location filename="../core/ephemeris/Nakshatra.h" line="54"/>
        <source>Shatabhisha</source>
        <translation>शतभिषा</translation>
    </message>
    <message>
        <location filename="../core/ephemeris/Nakshatra.h" line="55"/>
        <source>Purva Bhadrapada</source>
        <translation>पूर्वा भाद्रपद</translation>
    </message>
    <message>
        <location filename="../core/ephemeris/Nakshatra.h" line="56"/>
        <source>Uttara Bhadrapada</source>
        <translation>उत्तरा भाद्रपद</translation>
    </message>
    <message>
        <location filename="../core/ephemeris/Nakshatra.h" line="57"/>
        <source>Revati</source>
        <translation>रेवती</translation>
    </message>
    <message>
        <location filename="../core/reading/NakshatraText.cpp" line="26"/>
        <source>The Moon entered %1 %2. With a birth time of %3 or later, it is %4 with the name syllable %5.</source>
        <extracomment>A notice under the birth star close to a change of pada: %1 the next pada (&quot;pada 3 of Rohini&quot;), %2 when, said from the birth time (&quot;6 minutes after the recorded birth time&quot;), %3 a clock time (&quot;10:10&quot; or &quot;23:55 on 13 Mar&quot;), %4 the pada from that time on, %5 its name syllable.</extracomment>
        <translation>चंद्रमा ने %2 %1 में प्रवेश किया। जन्म समय %3 या उसके बाद का हो, तो यह %4 है और नामाक्षर %5 है।</translation>
    </message>
    <message>
        <location filename="../core/reading/NakshatraText.cpp" line="31"/>
        <source>The Moon entered %1 %2. With a birth time of %3 or earlier, it is %4 with the name syllable %5.</source>
        <extracomment>As above, for a change just before the birth: %1 the pada the Moon entered, %2 when, %3 a clock time, %4 the pada up to that time, %5 its name syllable.</extracomment>
        <translation>चंद्रमा ने %2 %1 में प्रवेश किया। जन्म समय %3 या उससे पहले का हो, तो यह %4 है और नामाक्षर %5 है।</translation>
    </message>
    <message>
        <location filename="../core/reading/NakshatraText.cpp" line="41"/>
        <source>The pada cannot be told by this method: the Moon entered %1 %2, within its accuracy of about %3. The name syllable is %4 or %5.</source>
        <extracomment>A notice where the change of pada lies within the method&apos;s accuracy: %1 the pada entered (&quot;pada 3 of Rohini&quot;), %2 when, said from the birth time, %3 a length of time (&quot;2 minutes&quot;), %4 and %5 the two padas&apos; name syllables.</extracomment>
        <translation>इस विधि से चरण तय नहीं किया जा सकता: चंद्रमा ने %2 %1 में प्रवेश किया, जो इस विधि की लगभग %3 की सटीकता-सीमा के भीतर है। नामाक्षर %4 या %5 है।</translation>
    </message>
    <message>
        <location filename="../core/reading/NakshatraText.cpp" line="54"/>
        <source>Pada cannot be told</source>
        <extracomment>The heading of a notice: the birth lies so close to a change of pada that the method cannot say which pada it is.</extracomment>
        <translation>चरण तय नहीं किया जा सकता</translation>
    </message>
    <message>
        <location filename="../core/reading/NakshatraText.cpp" line="57"/>
        <source>Close to a nakshatra change</source>
        <extracomment>The heading of a notice: the birth lies within 15 minutes of a change of nakshatra.</extracomment>
        <translation>नक्षत्र बदलने के निकट</translation>
    </message>
    <message>
        <location filename="../core/reading/NakshatraText.cpp" line="60"/>
        <source>Close to a pada change</source>
        <extracomment>The heading of a notice: the birth lies within 15 minutes of a change of pada.</extracomment>
        <translation>चरण बदलने के निकट</translation>
    </message>
    <message>
        <location filename="../core/reading/NakshatraText.cpp" line="74"/>
        <source>pada %2 of %1</source>
        <extracomment>A pada (quarter) of a nakshatra: %1 the nakshatra&apos;s name, %2 the pada&apos;s number, 1 to 4.</extracomment>
        <translation>%1 चरण %2</translation>
    </message>
    <message>
        <location filename="../core/reading/NakshatraText.cpp" line="82"/>
        <source>%1&#xa0;(%2)</source>
        <extracomment>The first syllable of a name for the pada: %1 in Latin letters (&quot;Va&quot;), %2 in Devanagari. A language written in Devanagari may show %2 alone.</extracomment>
        <translation>%2</translation>
    </message>
    <message>
        <location filename="../core/reading/NakshatraText.cpp" line="94"/>
        <source>Nakshatra %1, pada&#xa0;%2 — lord&#xa0;%3 — name&#xa0;syllable&#xa0;%4</source>
        <extracomment>The birth star under the rashi: %1 the nakshatra&apos;s name, %2 the pada (1 to 4), %3 the nakshatra&apos;s lord (a planet), %4 the name syllable (&quot;Va (वा)&quot;). No-break spaces keep each fact whole.</extracomment>
        <translation>नक्षत्र %1, चरण&#xa0;%2 — स्वामी&#xa0;%3 — नामाक्षर&#xa0;%4</translation>
    </message>
    <message>
        <location filename="../core/reading/NakshatraText.cpp" line="100"/>
        <source>Nakshatra %1, pada %2, lord %3, name syllable %4.</source>
        <extracomment>The line above as a screen reader says it: %1 the nakshatra&apos;s name, %2 the pada, %3 its lord, %4 the name syllable (&quot;Va (वा)&quot;).</extracomment>
        <translation>नक्षत्र %1, चरण %2, स्वामी %3, नामाक्षर %4।</translation>
    </message>
    <message>
        <location filename="../core/reading/NakshatraText.cpp" line="104"/>
        <source>%1&#xa0;%2 · %3</source>
        <extracomment>The birth star in one short line under the rashi: %1 the nakshatra&apos;s name, %2 the pada (1 to 4), %3 the name syllable (&quot;Ta (ता)&quot;).</extracomment>
        <translation>%1&#xa0;%2 · %3</translation>
    </message>
    <message>
        <location filename="../core/reading/NakshatraText.cpp" line="106"/>
        <source>Birth star %1, pada %2, name syllable %3</source>
        <extracomment>The short line as a screen reader says it: %1 the nakshatra&apos;s name, %2 the pada, %3 the name syllable.</extracomment>
        <translation>जन्म नक्षत्र %1, चरण %2, नामाक्षर %3</translation>
    </message>
    <message>
        <location filename="../core/reading/NakshatraText.cpp" line="136"/>
        <source>%1: %2</source>
        <extracomment>A notice as a screen reader says it: %1 its heading, %2 its text.</extracomment>
        <translation>%1: %2</translation>
    </message>
</context>
<context>
    <name>PlaceAtlas</name>
    <message>
        <location filename="../core/atlas/PlaceAtlas.cpp" line="205"/>
        <source>it is not a regular file</source>
        <extracomment>Why the atlas of places cannot be read, put into &quot;The atlas %1 cannot be read: %2&quot; as %2.</extracomment>
        <translation>यह साधारण फाइल नहीं है</translation>
    </message>
    <message>
        <location filename="../core/atlas/PlaceAtlas.cpp" line="262"/>
        <source>it was built for another version of Orvanta</source>
        <extracomment>Why the atlas of places cannot be read, put into &quot;The atlas %1 cannot be read: %2&quot; as %2.</extracomment>
        <translation>यह Orvanta के किसी दूसरे संस्करण के लिए बना है</translation>
    </message>
    <message>
        <location filename="../core/atlas/PlaceAtlas.cpp" line="456"/>
        <source>The atlas %1 cannot be read: %2</source>
        <extracomment>%1 the atlas file&apos;s path, %2 why (the database&apos;s own words, in English, or a text of this context).</extracomment>
        <translation>एटलस %1 पढ़ा नहीं जा सकता: %2</translation>
    </message>
    <message>
        <location filename="../core/atlas/PlaceAtlas.cpp" line="513"/>
        <source>The atlas %1 cannot be searched: %2</source>
        <extracomment>%1 the atlas file&apos;s path, %2 why (the database&apos;s own words, in English).</extracomment>
        <translation>एटलस %1 में खोज नहीं की जा सकती: %2</translation>
    </message>
</context>
<context>
    <name>PlaceChoice</name>
    <message>
        <location filename="../core/atlas/PlaceChoice.cpp" line="24"/>
        <source>the first, %1</source>
        <extracomment>Where the clocks were set back, a clock time came twice; the choice of its first occurrence, %1 the offset (&quot;UTC+01:00 (BST)&quot;).</extracomment>
        <translation>पहली बार, %1</translation>
    </message>
    <message>
        <location filename="../core/atlas/PlaceChoice.cpp" line="26"/>
        <source>the second, %1</source>
        <extracomment>The choice of the second occurrence of a clock time that came twice, %1 the offset.</extracomment>
        <translation>दूसरी बार, %1</translation>
    </message>
    <message>
        <location filename="../core/atlas/PlaceChoice.cpp" line="40"/>
        <source>%1 (chosen)</source>
        <extracomment>An offset the user has chosen, as the line of choices names it: %1 the choice.</extracomment>
        <translation>%1 (चुना गया)</translation>
    </message>
</context>
<context>
    <name>Planet</name>
    <message>
        <location filename="../core/ephemeris/Nakshatra.h" line="31"/>
        <location filename="../core/ephemeris/Nakshatra.h" line="40"/>
        <location filename="../core/ephemeris/Nakshatra.h" line="49"/>
        <source>Ketu</source>
        <translation>केतु</translation>
    </message>
    <message>
        <location filename="../core/ephemeris/Nakshatra.h" line="32"/>
        <location filename="../core/ephemeris/Nakshatra.h" line="41"/>
        <location filename="../core/ephemeris/Nakshatra.h" line="50"/>
        <location filename="../core/matching/KootaTables.h" line="270"/>
        <source>Venus</source>
        <translation>शुक्र</translation>
    </message>
    <message>
        <location filename="../core/ephemeris/Nakshatra.h" line="33"/>
        <location filename="../core/ephemeris/Nakshatra.h" line="42"/>
        <location filename="../core/ephemeris/Nakshatra.h" line="51"/>
        <location filename="../core/matching/KootaTables.h" line="265"/>
        <source>Sun</source>
        <translation>सूर्य</translation>
    </message>
    <message>
        <location filename="../core/ephemeris/Nakshatra.h" line="34"/>
        <location filename="../core/ephemeris/Nakshatra.h" line="43"/>
        <location filename="../core/ephemeris/Nakshatra.h" line="52"/>
        <location filename="../core/matching/KootaTables.h" line="266"/>
        <source>Moon</source>
        <translation>चंद्र</translation>
    </message>
    <message>
        <location filename="../core/ephemeris/Nakshatra.h" line="35"/>
        <location filename="../core/ephemeris/Nakshatra.h" line="44"/>
        <location filename="../core/ephemeris/Nakshatra.h" line="53"/>
        <location filename="../core/matching/KootaTables.h" line="267"/>
        <source>Mars</source>
        <translation>मंगल</translation>
    </message>
    <message>
        <location filename="../core/ephemeris/Nakshatra.h" line="36"/>
        <location filename="../core/ephemeris/Nakshatra.h" line="45"/>
        <location filename="../core/ephemeris/Nakshatra.h" line="54"/>
        <source>Rahu</source>
        <translation>राहु</translation>
    </message>
    <message>
        <location filename="../core/ephemeris/Nakshatra.h" line="37"/>
        <location filename="../core/ephemeris/Nakshatra.h" line="46"/>
        <location filename="../core/ephemeris/Nakshatra.h" line="55"/>
        <location filename="../core/matching/KootaTables.h" line="269"/>
        <source>Jupiter</source>
        <translation>गुरु</translation>
    </message>
    <message>
        <location filename="../core/ephemeris/Nakshatra.h" line="38"/>
        <location filename="../core/ephemeris/Nakshatra.h" line="47"/>
        <location filename="../core/ephemeris/Nakshatra.h" line="56"/>
        <location filename="../core/matching/KootaTables.h" line="271"/>
        <source>Saturn</source>
        <translation>शनि</translation>
    </message>
    <message>
        <location filename="../core/ephemeris/Nakshatra.h" line="39"/>
        <location filename="../core/ephemeris/Nakshatra.h" line="48"/>
        <location filename="../core/ephemeris/Nakshatra.h" line="57"/>
        <location filename="../core/matching/KootaTables.h" line="268"/>
        <source>Mercury</source>
        <translation>बुध</translation>
    </message>
</context>
<context>
    <name>PreciseMoon</name>
    <message>
        <location filename="../core/ephemeris/PreciseMoon.cpp" line="193"/>
        <source>Swiss Ephemeris could not compute the Moon: %1</source>
        <extracomment>%1 why: the library&apos;s own message, in English, or a text of this context.</extracomment>
        <translation>स्विस एफेमेरिस चंद्रमा की गणना नहीं कर सका: %1</translation>
    </message>
    <message>
        <location filename="../core/ephemeris/PreciseMoon.cpp" line="228"/>
        <source>Swiss Ephemeris files</source>
        <extracomment>Where a precise Moon came from: the ephemeris files installed with the library.</extracomment>
        <translation>स्विस एफेमेरिस की फाइलें</translation>
    </message>
    <message>
        <location filename="../core/ephemeris/PreciseMoon.cpp" line="232"/>
        <source>Swiss Ephemeris analytic theory (its files for this date were not found)</source>
        <extracomment>Where a precise Moon came from: the library&apos;s built-in theory, for want of its files.</extracomment>
        <translation>स्विस एफेमेरिस का विश्लेषणात्मक सिद्धांत (इस तारीख के लिए इसकी फाइलें नहीं मिलीं)</translation>
    </message>
    <message>
        <location filename="../core/ephemeris/PreciseMoon.cpp" line="256"/>
        <source>%1 is not a regular file.</source>
        <translation>%1 साधारण फाइल नहीं है।</translation>
    </message>
    <message>
        <location filename="../core/ephemeris/PreciseMoon.cpp" line="297"/>
        <source>Swiss Ephemeris is not available on this computer.</source>
        <translation>स्विस एफेमेरिस इस कंप्यूटर पर उपलब्ध नहीं है।</translation>
    </message>
</context>
<context>
    <name>Reading</name>
    <message>
        <location filename="../core/reading/Reading.cpp" line="91"/>
        <source>Reading by %1, from its analytic theory: its files for this date were not found</source>
        <extracomment>Which Moon the reading follows: %1 the method (&quot;Swiss Ephemeris (Lahiri)&quot;), from the library&apos;s built-in theory.</extracomment>
        <translation>%1 के अनुसार राशिफल, उसके विश्लेषणात्मक सिद्धांत से: इस तारीख के लिए उसकी फाइलें नहीं मिलीं</translation>
    </message>
    <message>
        <location filename="../core/reading/Reading.cpp" line="96"/>
        <source>Reading by %1</source>
        <extracomment>Which Moon the reading follows: %1 the method (&quot;the classic series&quot; or &quot;Swiss Ephemeris (Lahiri)&quot;).</extracomment>
        <translation>%1 के अनुसार राशिफल</translation>
    </message>
</context>
<context>
    <name>ReadingFile</name>
    <message>
        <location filename="../core/report/ReadingFile.cpp" line="390"/>
        <source>&quot;%1&quot; is not a reading&apos;s name: it does not end in &quot;ras&quot;.</source>
        <extracomment>Why a saved reading cannot be opened, under &quot;Please Check The File.&quot;: %1 is always the file&apos;s name. &quot;ras&quot; is the extension of reading files and stays as it is.</extracomment>
        <translation>&quot;%1&quot; राशिफल फाइल का नाम नहीं है: यह &quot;ras&quot; पर समाप्त नहीं होता।</translation>
    </message>
    <message>
        <location filename="../core/report/ReadingFile.cpp" line="391"/>
        <source>&quot;%1&quot; does not exist.</source>
        <translation>&quot;%1&quot; मौजूद नहीं है।</translation>
    </message>
    <message>
        <location filename="../core/report/ReadingFile.cpp" line="392"/>
        <source>&quot;%1&quot; is not a file.</source>
        <translation>&quot;%1&quot; फाइल नहीं है।</translation>
    </message>
    <message>
        <location filename="../core/report/ReadingFile.cpp" line="393"/>
        <source>You have no permission to read &quot;%1&quot;.</source>
        <translation>आपको &quot;%1&quot; पढ़ने की अनुमति नहीं है।</translation>
    </message>
    <message>
        <location filename="../core/report/ReadingFile.cpp" line="394"/>
        <source>&quot;%1&quot; could not be read.</source>
        <translation>&quot;%1&quot; को पढ़ा नहीं जा सका।</translation>
    </message>
    <message>
        <location filename="../core/report/ReadingFile.cpp" line="395"/>
        <source>&quot;%1&quot; is empty.</source>
        <translation>&quot;%1&quot; खाली है।</translation>
    </message>
    <message>
        <location filename="../core/report/ReadingFile.cpp" line="396"/>
        <source>&quot;%1&quot; is not a reading.</source>
        <translation>&quot;%1&quot; राशिफल फाइल नहीं है।</translation>
    </message>
    <message>
        <location filename="../core/report/ReadingFile.cpp" line="397"/>
        <source>&quot;%1&quot; is too large to be a reading.</source>
        <translation>&quot;%1&quot; राशिफल फाइल होने के लिए बहुत बड़ी है।</translation>
    </message>
    <message>
        <location filename="../core/report/ReadingFile.cpp" line="399"/>
        <source>&quot;%1&quot; ends before line %2; a reading has 15 lines.</source>
        <extracomment>%1 the file&apos;s name, %2 a line number.</extracomment>
        <translation>&quot;%1&quot; पंक्ति %2 से पहले ही समाप्त हो जाती है; राशिफल फाइल में 15 पंक्तियाँ होती हैं।</translation>
    </message>
    <message>
        <location filename="../core/report/ReadingFile.cpp" line="410"/>
        <source>Line 2 of &quot;%1&quot; holds no month from %2 to %3.</source>
        <extracomment>%1 the file&apos;s name, %2 and %3 the first and last number the line may hold.</extracomment>
        <translation>&quot;%1&quot; की पंक्ति 2 में %2 से %3 तक का कोई महीना नहीं है।</translation>
    </message>
    <message>
        <location filename="../core/report/ReadingFile.cpp" line="411"/>
        <source>Line 3 of &quot;%1&quot; holds no day from %2 to %3.</source>
        <translation>&quot;%1&quot; की पंक्ति 3 में %2 से %3 तक का कोई दिन नहीं है।</translation>
    </message>
    <message>
        <location filename="../core/report/ReadingFile.cpp" line="412"/>
        <source>Line 4 of &quot;%1&quot; holds no year from %2 to %3.</source>
        <translation>&quot;%1&quot; की पंक्ति 4 में %2 से %3 तक का कोई वर्ष नहीं है।</translation>
    </message>
    <message>
        <location filename="../core/report/ReadingFile.cpp" line="413"/>
        <source>Line 5 of &quot;%1&quot; holds no hour from %2 to %3.</source>
        <translation>&quot;%1&quot; की पंक्ति 5 में %2 से %3 तक का कोई घंटा नहीं है।</translation>
    </message>
    <message>
        <location filename="../core/report/ReadingFile.cpp" line="414"/>
        <source>Line 6 of &quot;%1&quot; holds no minute from %2 to %3.</source>
        <translation>&quot;%1&quot; की पंक्ति 6 में %2 से %3 तक का कोई मिनट नहीं है।</translation>
    </message>
</context>
<context>
    <name>Report</name>
    <message>
        <location filename="../core/reading/RashiFields.h" line="30"/>
        <source>Vedic Name: </source>
        <translation>वैदिक नाम: </translation>
    </message>
    <message>
        <location filename="../core/reading/RashiFields.h" line="31"/>
        <source>English Name: </source>
        <translation>अंग्रेजी नाम: </translation>
    </message>
    <message>
        <location filename="../core/reading/RashiFields.h" line="32"/>
        <source>Rulling Planet / Lord: </source>
        <translation>स्वामी ग्रह / राशि स्वामी: </translation>
    </message>
    <message>
        <location filename="../core/reading/RashiFields.h" line="33"/>
        <source>Symbol: </source>
        <translation>प्रतीक: </translation>
    </message>
    <message>
        <location filename="../core/reading/RashiFields.h" line="34"/>
        <source>Element / Inborn Nature: </source>
        <translation>तत्त्व / जन्मजात प्रकृति: </translation>
    </message>
    <message>
        <location filename="../core/reading/RashiFields.h" line="35"/>
        <source>Sign Color: </source>
        <translation>राशि का रंग: </translation>
    </message>
    <message>
        <location filename="../core/reading/RashiFields.h" line="36"/>
        <source>Type Of Sign: </source>
        <translation>राशि का प्रकार: </translation>
    </message>
    <message>
        <location filename="../core/reading/RashiFields.h" line="37"/>
        <source>Gender: </source>
        <translation>लिंग: </translation>
    </message>
    <message>
        <location filename="../core/reading/RashiFields.h" line="38"/>
        <source>Best Period of Activity: </source>
        <translation>सक्रियता का श्रेष्ठ समय: </translation>
    </message>
    <message>
        <location filename="../core/reading/RashiFields.h" line="39"/>
        <source>Fruitful / Barren: </source>
        <translation>फलदायी / बंजर: </translation>
    </message>
    <message>
        <location filename="../core/reading/RashiFields.h" line="40"/>
        <source>Sign Caste: </source>
        <translation>राशि का वर्ण: </translation>
    </message>
    <message>
        <location filename="../core/reading/RashiFields.h" line="41"/>
        <source>Sign Position: </source>
        <translation>राशि की स्थिति: </translation>
    </message>
    <message>
        <location filename="../core/reading/RashiFields.h" line="42"/>
        <source>Constituent Characters: </source>
        <translation>घटक स्वरूप: </translation>
    </message>
    <message>
        <location filename="../core/reading/RashiFields.h" line="43"/>
        <source>Lucky Days: </source>
        <translation>शुभ दिन: </translation>
    </message>
    <message>
        <location filename="../core/reading/RashiFields.h" line="44"/>
        <source>Lucky Numbers: </source>
        <translation>शुभ अंक: </translation>
    </message>
    <message>
        <location filename="../core/reading/RashiFields.h" line="45"/>
        <source>Best Direction: </source>
        <translation>श्रेष्ठ दिशा: </translation>
    </message>
    <message>
        <location filename="../core/reading/RashiFields.h" line="46"/>
        <source>Lucky Colors: </source>
        <translation>शुभ रंग: </translation>
    </message>
    <message>
        <location filename="../core/reading/RashiFields.h" line="47"/>
        <source>Lucky Gemstone: </source>
        <translation>शुभ रत्न: </translation>
    </message>
    <message>
        <location filename="../core/reading/RashiFields.h" line="48"/>
        <source>Part of the Body: </source>
        <translation>शरीर का अंग: </translation>
    </message>
    <message>
        <location filename="../core/reading/RashiFields.h" line="49"/>
        <source>Physique: </source>
        <translation>कद-काठी: </translation>
    </message>
    <message>
        <location filename="../core/reading/RashiFields.h" line="50"/>
        <source>Looks: </source>
        <translation>रूप-रंग: </translation>
    </message>
    <message>
        <location filename="../core/reading/RashiFields.h" line="51"/>
        <source>Nature: </source>
        <translation>स्वभाव: </translation>
    </message>
    <message>
        <location filename="../core/reading/RashiFields.h" line="52"/>
        <location filename="../core/report/ReportDocument.cpp" line="43"/>
        <source>Career And Finance: </source>
        <translation>व्यवसाय और धन: </translation>
    </message>
    <message>
        <location filename="../core/reading/RashiFields.h" line="53"/>
        <source>Love And Domestic Life: </source>
        <translation>प्रेम और गृहस्थ जीवन: </translation>
    </message>
    <message>
        <location filename="../core/reading/RashiFields.h" line="54"/>
        <location filename="../core/report/ReportDocument.cpp" line="46"/>
        <source>Health: </source>
        <translation>स्वास्थ्य: </translation>
    </message>
    <message>
        <location filename="../core/reading/RashiFields.h" line="55"/>
        <source>Compatible with: </source>
        <translation>अनुकूल राशियाँ: </translation>
    </message>
    <message>
        <location filename="../core/reading/RashiFields.h" line="56"/>
        <source>Not Compatible with: </source>
        <translation>प्रतिकूल राशियाँ: </translation>
    </message>
    <message>
        <location filename="../core/report/ReportDocument.cpp" line="34"/>
        <source>Common: </source>
        <extracomment>The heading of the report&apos;s first section: the rashi&apos;s names, lord, symbol, element and colour.</extracomment>
        <translation>सामान्य: </translation>
    </message>
    <message>
        <location filename="../core/report/ReportDocument.cpp" line="37"/>
        <source>Sign Characteristics: </source>
        <translation>राशि की विशेषताएँ: </translation>
    </message>
    <message>
        <location filename="../core/report/ReportDocument.cpp" line="41"/>
        <source>Physique And Looks: </source>
        <translation>कद-काठी और रूप-रंग: </translation>
    </message>
    <message>
        <location filename="../core/report/ReportDocument.cpp" line="42"/>
        <source>Human Nature: </source>
        <translation>मानव स्वभाव: </translation>
    </message>
    <message>
        <location filename="../core/report/ReportDocument.cpp" line="44"/>
        <source>Love And Compatibility: </source>
        <translation>प्रेम और अनुकूलता: </translation>
    </message>
    <message>
        <location filename="../core/report/ReportDocument.cpp" line="49"/>
        <source>Lucky For....Rashi: </source>
        <extracomment>The heading of the report&apos;s last section: the rashi&apos;s lucky days, numbers, direction, colours, gemstone and best time of day.</extracomment>
        <translation>राशि के लिए शुभ: </translation>
    </message>
    <message>
        <location filename="../core/matching/MatchReport.cpp" line="40"/>
        <location filename="../core/report/ReportDocument.cpp" line="81"/>
        <source>Report Generated By %1</source>
        <extracomment>The report&apos;s footer: %1 the program&apos;s web address.</extracomment>
        <translation>%1 द्वारा बनाई गई रिपोर्ट</translation>
    </message>
    <message>
        <location filename="../core/report/ReportDocument.cpp" line="142"/>
        <source>Moon Position: </source>
        <extracomment>The heading of the report&apos;s section on which Moon the reading follows (the classic series or Swiss Ephemeris) and what the other method says.</extracomment>
        <translation>चंद्रमा की स्थिति: </translation>
    </message>
    <message>
        <location filename="../core/report/ReportDocument.cpp" line="143"/>
        <source>Method: </source>
        <translation>विधि: </translation>
    </message>
    <message>
        <location filename="../core/report/ReportDocument.cpp" line="147"/>
        <source>Cross-check: </source>
        <extracomment>The label of what the other method (not the one the reading follows) says of the same birth.</extracomment>
        <translation>दूसरी विधि से जाँच: </translation>
    </message>
    <message>
        <location filename="../core/report/ReportDocument.cpp" line="158"/>
        <source>Nakshatra: </source>
        <translation>नक्षत्र: </translation>
    </message>
    <message>
        <location filename="../core/report/ReportDocument.cpp" line="159"/>
        <source>Pada: </source>
        <translation>चरण: </translation>
    </message>
    <message>
        <location filename="../core/report/ReportDocument.cpp" line="160"/>
        <source>Lord: </source>
        <translation>स्वामी: </translation>
    </message>
    <message>
        <location filename="../core/report/ReportDocument.cpp" line="161"/>
        <source>Name Syllable: </source>
        <translation>नामाक्षर: </translation>
    </message>
    <message>
        <location filename="../core/report/ReportDocument.cpp" line="164"/>
        <source>Moon&apos;s Stay: </source>
        <extracomment>The label of when the Moon entered the nakshatra and when it leaves it (or of the notice near a change of pada).</extracomment>
        <translation>नक्षत्र में चंद्रमा: </translation>
    </message>
    <message>
        <location filename="../core/report/ReportDocument.cpp" line="166"/>
        <source>Nakshatra (Birth Star): </source>
        <translation>जन्म नक्षत्र: </translation>
    </message>
</context>
<context>
    <name>SignStay</name>
    <message>
        <location filename="../core/reading/SignStayText.cpp" line="32"/>
        <source>The Moon entered %1 %2. With a birth time of %3 or later, the rashi is %4.</source>
        <extracomment>A notice under the rashi close to a change of sign: %1 the next rashi&apos;s name, %2 when, said from the birth time (&quot;6 minutes after the recorded birth time&quot;), %3 a clock time (&quot;10:10&quot; or &quot;23:55 on 13 Mar&quot;), %4 the rashi from that time on.</extracomment>
        <translation>चंद्रमा ने %2 %1 में प्रवेश किया। जन्म समय %3 या उसके बाद का हो, तो राशि %4 है।</translation>
    </message>
    <message>
        <location filename="../core/reading/SignStayText.cpp" line="37"/>
        <source>The Moon entered %1 %2. With a birth time of %3 or earlier, the rashi is %4.</source>
        <extracomment>As above, for a change just before the birth: %1 the rashi&apos;s name, %2 when, said from the birth time, %3 a clock time, %4 the rashi up to that time.</extracomment>
        <translation>चंद्रमा ने %2 %1 में प्रवेश किया। जन्म समय %3 या उससे पहले का हो, तो राशि %4 है।</translation>
    </message>
    <message>
        <location filename="../core/reading/SignStayText.cpp" line="46"/>
        <source>%1 and %2 cannot be told apart by this method: the Moon entered %2 %3, within its accuracy of about %4. A more exact ephemeris and an exact birth time are needed.</source>
        <extracomment>A notice where the change of sign lies within the method&apos;s accuracy: %1 and %2 the two rashis&apos; names, %3 when the Moon entered %2, said from the birth time, %4 a length of time (&quot;2 minutes&quot;).</extracomment>
        <translation>इस विधि से %1 और %2 में भेद नहीं किया जा सकता: चंद्रमा ने %3 %2 में प्रवेश किया, जो इस विधि की लगभग %4 की सटीकता-सीमा के भीतर है। इसके लिए अधिक सटीक एफेमेरिस और सटीक जन्म समय चाहिए।</translation>
    </message>
    <message>
        <location filename="../core/reading/SignStayText.cpp" line="59"/>
        <source>The Moon stands at %1° %2&apos; of the 30° of %3.</source>
        <extracomment>What a screen reader says of the gauge of the Moon&apos;s place in its sign: %1 whole degrees, %2 minutes of arc, %3 the rashi&apos;s name.</extracomment>
        <translation>चंद्रमा %3 के 30° में से %1° %2&apos; पर है।</translation>
    </message>
    <message>
        <location filename="../core/reading/SignStayText.cpp" line="72"/>
        <source>It is %1° from %2, within this method&apos;s accuracy of %3°.</source>
        <translation>%2 से इसकी दूरी %1° है, जो इस विधि की %3° की सटीकता-सीमा के भीतर है।</translation>
    </message>
    <message>
        <location filename="../core/reading/SignStayText.cpp" line="76"/>
        <source>It is %1° from %2.</source>
        <extracomment>Said after the sentence above near an end of the sign: %1 degrees to the boundary, %2 the neighbouring rashi&apos;s name.</extracomment>
        <translation>%2 से इसकी दूरी %1° है।</translation>
    </message>
    <message>
        <location filename="../core/reading/SignStayText.cpp" line="78"/>
        <source>%1 %2</source>
        <extracomment>Two sentences of the gauge&apos;s description, one after the other.</extracomment>
        <translation>%1 %2</translation>
    </message>
    <message>
        <location filename="../core/reading/SignStayText.cpp" line="99"/>
        <source>Too close to call</source>
        <extracomment>The heading of a notice: the birth lies so close to a change of sign that the method cannot say which rashi it is.</extracomment>
        <translation>राशि तय नहीं की जा सकती</translation>
    </message>
    <message>
        <location filename="../core/reading/SignStayText.cpp" line="104"/>
        <source>Close to a sign change</source>
        <extracomment>The heading of a notice: the birth lies within 15 minutes of a change of sign.</extracomment>
        <translation>राशि बदलने के निकट</translation>
    </message>
    <message>
        <location filename="../core/reading/SignStayText.cpp" line="114"/>
        <source>%1: %2</source>
        <extracomment>A notice as a screen reader says it: %1 its heading, %2 its text.</extracomment>
        <translation>%1: %2</translation>
    </message>
</context>
<context>
    <name>StartUp</name>
    <message>
        <location filename="../gui/app/StartUp.cpp" line="34"/>
        <source>Application is already running</source>
        <translation>प्रोग्राम पहले से चल रहा है</translation>
    </message>
</context>
<context>
    <name>UpdateReminder</name>
    <message>
        <location filename="../gui/support/UpdateReminder.cpp" line="45"/>
        <source>There maybe an update to this software available
Do you want to check for an update?</source>
        <translation>इस सॉफ्टवेयर का नया अपडेट उपलब्ध हो सकता है।
क्या आप अपडेट की जाँच करना चाहते हैं?</translation>
    </message>
</context>
<context>
    <name>Window</name>
    <message>
        <location filename="../gui/widgets/WindowFont.cpp" line="135"/>
        <source>Orvanta v%1</source>
        <extracomment>The caption of every window: the program&apos;s name, which stays as it is, and its version, %1, such as 2.0.</extracomment>
        <translation>Orvanta %1</translation>
    </message>
</context>
<context>
    <name>ZoneInForce</name>
    <message>
        <location filename="../core/atlas/ZoneInForce.cpp" line="170"/>
        <source>local mean time %1 on %2</source>
        <translation>%2 को स्थानीय माध्य समय %1</translation>
    </message>
    <message>
        <location filename="../core/atlas/ZoneInForce.cpp" line="174"/>
        <source>%1 on %2</source>
        <extracomment>%1 the offset from UTC in force (&quot;UTC+05:30 (IST)&quot;), %2 the date of birth (&quot;10 Mar 1975&quot;).</extracomment>
        <translation>%2 को %1</translation>
    </message>
    <message>
        <location filename="../core/atlas/ZoneInForce.cpp" line="178"/>
        <source>%1 (%2 to the minute)</source>
        <extracomment>%1 the text above, %2 its offset rounded to the minute (&quot;+05:21&quot;), as the zone&apos;s boxes take it.</extracomment>
        <translation>%1 (निकटतम मिनट तक: %2)</translation>
    </message>
    <message>
        <location filename="../core/atlas/ZoneInForce.cpp" line="183"/>
        <source>%1, daylight/war time</source>
        <extracomment>%1 the text above, where the offset is one of daylight saving or war time.</extracomment>
        <translation>%1, डेलाइट/युद्धकालीन समय</translation>
    </message>
    <message>
        <location filename="../core/atlas/ZoneInForce.cpp" line="196"/>
        <source>%1 on %2 did not exist: the clocks went from %3 to %4</source>
        <extracomment>The clocks were put forward: %1 the clock time of birth (&quot;02:30&quot;), %2 the date, %3 and %4 the offsets before and after.</extracomment>
        <translation>%2 को %1 का समय था ही नहीं: घड़ियाँ %3 से %4 पर कर दी गईं</translation>
    </message>
    <message>
        <location filename="../core/atlas/ZoneInForce.cpp" line="202"/>
        <source>%1 on %2 came twice: first at %3, then at %4</source>
        <extracomment>The clocks were put back: %1 the clock time of birth, %2 the date, %3 and %4 the offsets of the two times it came.</extracomment>
        <translation>%2 को %1 का समय दो बार आया: पहले %3 पर, फिर %4 पर</translation>
    </message>
    <message>
        <location filename="../core/atlas/ZoneInForce.cpp" line="207"/>
        <source>the tz database has no zone %1</source>
        <extracomment>%1 a zone&apos;s name in the tz database (&quot;Asia/Kolkata&quot;); &quot;tz&quot; is that database&apos;s name.</extracomment>
        <translation>tz डेटाबेस में %1 नाम का कोई क्षेत्र नहीं है</translation>
    </message>
    <message>
        <location filename="../core/atlas/ZoneInForce.cpp" line="211"/>
        <source>no such date or time</source>
        <translation>ऐसी कोई तारीख या समय नहीं है</translation>
    </message>
    <message>
        <location filename="../core/atlas/ZoneInForce.cpp" line="217"/>
        <source>%1: %2</source>
        <extracomment>The zone line: %1 the place&apos;s name, %2 what was used for it.</extracomment>
        <translation>%1: %2</translation>
    </message>
    <message>
        <location filename="../core/atlas/ZoneInForce.cpp" line="224"/>
        <source>%1; caution: the tz database is approximate for India before 1955</source>
        <extracomment>%1 the zone line, followed by a caution about its source for old dates.</extracomment>
        <translation>%1; सावधान: 1955 से पहले के भारत के लिए tz डेटाबेस अनुमानित है</translation>
    </message>
    <message>
        <location filename="../core/atlas/ZoneInForce.cpp" line="229"/>
        <source>%1; caution: the tz database is approximate before 1970</source>
        <extracomment>%1 the zone line, followed by a caution about its source for old dates.</extracomment>
        <translation>%1; सावधान: 1970 से पहले के लिए tz डेटाबेस अनुमानित है</translation>
    </message>
    <message>
        <location filename="../core/atlas/ZoneInForce.cpp" line="331"/>
        <source>%1 — tz %2</source>
        <extracomment>%1 the zone line, %2 the version of the tz database (&quot;2024a&quot;).</extracomment>
        <translation>%1 — tz %2</translation>
    </message>
</context>
<context>
    <name>orvanta::BirthStarPage</name>
    <message>
        <location filename="../gui/reading/BirthStarPage.cpp" line="70"/>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <location filename="../gui/reading/BirthStarPage.cpp" line="90"/>
        <source>Pada %1</source>
        <translation>चरण %1</translation>
    </message>
    <message>
        <location filename="../gui/reading/BirthStarPage.cpp" line="91"/>
        <source>Pada %1: %2, the birth pada</source>
        <translation>चरण %1: %2, जन्म का चरण</translation>
    </message>
    <message>
        <location filename="../gui/reading/BirthStarPage.cpp" line="92"/>
        <source>Pada %1: %2</source>
        <translation>चरण %1: %2</translation>
    </message>
    <message>
        <location filename="../gui/reading/BirthStarPage.cpp" line="100"/>
        <source>◂ the birth pada</source>
        <translation>◂ जन्म का चरण</translation>
    </message>
    <message>
        <location filename="../gui/reading/BirthStarPage.cpp" line="143"/>
        <source>Nakshatra</source>
        <translation>नक्षत्र</translation>
    </message>
    <message>
        <location filename="../gui/reading/BirthStarPage.cpp" line="144"/>
        <source>Pada</source>
        <translation>चरण</translation>
    </message>
    <message>
        <location filename="../gui/reading/BirthStarPage.cpp" line="144"/>
        <source>%1 of 4</source>
        <translation>4 में से %1</translation>
    </message>
    <message>
        <location filename="../gui/reading/BirthStarPage.cpp" line="145"/>
        <source>Lord</source>
        <translation>स्वामी</translation>
    </message>
    <message>
        <location filename="../gui/reading/BirthStarPage.cpp" line="146"/>
        <source>Name syllables</source>
        <translation>नामाक्षर</translation>
    </message>
    <message>
        <location filename="../gui/reading/BirthStarPage.cpp" line="149"/>
        <source>Moon in the nakshatra</source>
        <translation>नक्षत्र में चंद्रमा</translation>
    </message>
    <message>
        <location filename="../gui/reading/BirthStarPage.cpp" line="150"/>
        <source>Moon in the pada</source>
        <translation>चरण में चंद्रमा</translation>
    </message>
    <message>
        <location filename="../gui/reading/BirthStarPage.cpp" line="156"/>
        <source>When the Moon entered this nakshatra and when it leaves it</source>
        <translation>चंद्रमा के इस नक्षत्र में आने और इससे निकलने का समय</translation>
    </message>
    <message>
        <location filename="../gui/reading/BirthStarPage.cpp" line="157"/>
        <source>Notice: the pada depends on the exact birth time</source>
        <translation>सूचना: चरण सटीक जन्म समय पर निर्भर है</translation>
    </message>
    <message>
        <location filename="../gui/reading/BirthStarPage.cpp" line="168"/>
        <source>Method</source>
        <translation>विधि</translation>
    </message>
    <message>
        <location filename="../gui/reading/BirthStarPage.cpp" line="182"/>
        <source>Back</source>
        <translation>पिछला</translation>
    </message>
    <message>
        <location filename="../gui/reading/BirthStarPage.cpp" line="183"/>
        <source>Next</source>
        <translation>अगला</translation>
    </message>
</context>
<context>
    <name>orvanta::Catalogue</name>
    <message>
        <location filename="../core/reading/RashiCatalogue.cpp" line="38"/>
        <source>Fire</source>
        <extracomment>The element of a rashi (tattva).</extracomment>
        <translation>अग्नि</translation>
    </message>
    <message>
        <location filename="../core/reading/RashiCatalogue.cpp" line="40"/>
        <source>Earth</source>
        <extracomment>The element of a rashi (tattva).</extracomment>
        <translation>पृथ्वी</translation>
    </message>
    <message>
        <location filename="../core/reading/RashiCatalogue.cpp" line="42"/>
        <source>Air</source>
        <extracomment>The element of a rashi (tattva).</extracomment>
        <translation>वायु</translation>
    </message>
    <message>
        <location filename="../core/reading/RashiCatalogue.cpp" line="44"/>
        <source>Water</source>
        <extracomment>The element of a rashi (tattva).</extracomment>
        <translation>जल</translation>
    </message>
    <message>
        <location filename="../core/reading/RashiCatalogue.cpp" line="46"/>
        <source>Movable</source>
        <extracomment>The type of a rashi: movable (chara).</extracomment>
        <translation>चर</translation>
    </message>
    <message>
        <location filename="../core/reading/RashiCatalogue.cpp" line="48"/>
        <source>Fixed</source>
        <extracomment>The type of a rashi: fixed (sthira).</extracomment>
        <translation>स्थिर</translation>
    </message>
    <message>
        <location filename="../core/reading/RashiCatalogue.cpp" line="50"/>
        <source>Mixed</source>
        <extracomment>The type of a rashi: mixed, dual (dvisvabhava).</extracomment>
        <translation>द्विस्वभाव</translation>
    </message>
    <message>
        <location filename="../core/reading/RashiCatalogue.cpp" line="52"/>
        <source>Male</source>
        <extracomment>The gender of a rashi.</extracomment>
        <translation>पुरुष</translation>
    </message>
    <message>
        <location filename="../core/reading/RashiCatalogue.cpp" line="54"/>
        <source>Female</source>
        <extracomment>The gender of a rashi.</extracomment>
        <translation>स्त्री</translation>
    </message>
    <message>
        <location filename="../core/reading/RashiCatalogue.cpp" line="56"/>
        <source>Day</source>
        <extracomment>A rashi&apos;s best period of activity: the day time.</extracomment>
        <translation>दिन</translation>
    </message>
    <message>
        <location filename="../core/reading/RashiCatalogue.cpp" line="58"/>
        <source>Night</source>
        <extracomment>A rashi&apos;s best period of activity: the night.</extracomment>
        <translation>रात</translation>
    </message>
    <message>
        <location filename="../core/reading/RashiCatalogue.cpp" line="60"/>
        <source>Fruitful</source>
        <extracomment>The fertility of a rashi.</extracomment>
        <translation>फलदायी</translation>
    </message>
    <message>
        <location filename="../core/reading/RashiCatalogue.cpp" line="62"/>
        <source>Semi-Fruitful</source>
        <extracomment>The fertility of a rashi.</extracomment>
        <translation>अर्ध-फलदायी</translation>
    </message>
    <message>
        <location filename="../core/reading/RashiCatalogue.cpp" line="64"/>
        <source>Barren</source>
        <extracomment>The fertility of a rashi.</extracomment>
        <translation>बंजर</translation>
    </message>
    <message>
        <location filename="../core/reading/RashiCatalogue.cpp" line="66"/>
        <source>Brahmana</source>
        <extracomment>The caste (varna) of a rashi.</extracomment>
        <translation>ब्राह्मण</translation>
    </message>
    <message>
        <location filename="../core/reading/RashiCatalogue.cpp" line="68"/>
        <source>Kshatriya</source>
        <extracomment>The caste (varna) of a rashi.</extracomment>
        <translation>क्षत्रिय</translation>
    </message>
    <message>
        <location filename="../core/reading/RashiCatalogue.cpp" line="70"/>
        <source>Vaisya</source>
        <extracomment>The caste (varna) of a rashi.</extracomment>
        <translation>वैश्य</translation>
    </message>
    <message>
        <location filename="../core/reading/RashiCatalogue.cpp" line="72"/>
        <source>Sudra</source>
        <extracomment>The caste (varna) of a rashi.</extracomment>
        <translation>शूद्र</translation>
    </message>
    <message>
        <location filename="../core/reading/RashiCatalogue.cpp" line="74"/>
        <source>Dwara</source>
        <extracomment>The position of a rashi: the entrance (dvara).</extracomment>
        <translation>द्वार</translation>
    </message>
    <message>
        <location filename="../core/reading/RashiCatalogue.cpp" line="76"/>
        <source>Bahya</source>
        <extracomment>The position of a rashi: outside (bahya).</extracomment>
        <translation>बाह्य</translation>
    </message>
    <message>
        <location filename="../core/reading/RashiCatalogue.cpp" line="78"/>
        <source>Garbha</source>
        <extracomment>The position of a rashi: inside (garbha).</extracomment>
        <translation>गर्भ</translation>
    </message>
    <message>
        <location filename="../core/reading/RashiCatalogue.cpp" line="80"/>
        <source>Mineral (Dhatu)</source>
        <extracomment>The constituent character of a rashi: mineral (dhatu).</extracomment>
        <translation>धातु (खनिज)</translation>
    </message>
    <message>
        <location filename="../core/reading/RashiCatalogue.cpp" line="82"/>
        <source>Vegetable (Moola)</source>
        <extracomment>The constituent character of a rashi: vegetable (mula).</extracomment>
        <translation>मूल (वनस्पति)</translation>
    </message>
    <message>
        <location filename="../core/reading/RashiCatalogue.cpp" line="84"/>
        <source>Animal (Jeeva)</source>
        <extracomment>The constituent character of a rashi: animal (jiva).</extracomment>
        <translation>जीव (प्राणी)</translation>
    </message>
    <message>
        <location filename="../core/reading/RashiCatalogue.cpp" line="86"/>
        <source>Short</source>
        <extracomment>The physique of people of a rashi: short of stature.</extracomment>
        <translation>छोटा</translation>
    </message>
    <message>
        <location filename="../core/reading/RashiCatalogue.cpp" line="88"/>
        <source>Even</source>
        <extracomment>The physique of people of a rashi: of middle stature.</extracomment>
        <translation>मध्यम</translation>
    </message>
    <message>
        <location filename="../core/reading/RashiCatalogue.cpp" line="90"/>
        <source>Tall</source>
        <extracomment>The physique of people of a rashi: tall.</extracomment>
        <translation>लंबा</translation>
    </message>
    <message>
        <location filename="../core/reading/RashiCatalogue.cpp" line="96"/>
        <source>Mesha</source>
        <translation>मेष</translation>
    </message>
    <message>
        <location filename="../core/reading/RashiCatalogue.cpp" line="96"/>
        <source>The Ram</source>
        <translation>मेढ़ा</translation>
    </message>
    <message>
        <location filename="../core/reading/RashiCatalogue.cpp" line="96"/>
        <location filename="../core/reading/RashiCatalogue.cpp" line="103"/>
        <source>Mars</source>
        <translation>मंगल</translation>
    </message>
    <message>
        <location filename="../core/reading/RashiCatalogue.cpp" line="97"/>
        <source>Vrishabha</source>
        <translation>वृषभ</translation>
    </message>
    <message>
        <location filename="../core/reading/RashiCatalogue.cpp" line="97"/>
        <source>The Bull</source>
        <translation>बैल</translation>
    </message>
    <message>
        <location filename="../core/reading/RashiCatalogue.cpp" line="97"/>
        <location filename="../core/reading/RashiCatalogue.cpp" line="102"/>
        <source>Venus</source>
        <translation>शुक्र</translation>
    </message>
    <message>
        <location filename="../core/reading/RashiCatalogue.cpp" line="98"/>
        <source>Mithuna</source>
        <translation>मिथुन</translation>
    </message>
    <message>
        <location filename="../core/reading/RashiCatalogue.cpp" line="98"/>
        <source>The Twins</source>
        <translation>जुड़वाँ</translation>
    </message>
    <message>
        <location filename="../core/reading/RashiCatalogue.cpp" line="98"/>
        <location filename="../core/reading/RashiCatalogue.cpp" line="101"/>
        <source>Mercury</source>
        <translation>बुध</translation>
    </message>
    <message>
        <location filename="../core/reading/RashiCatalogue.cpp" line="99"/>
        <source>Kataka</source>
        <translation>कर्क</translation>
    </message>
    <message>
        <location filename="../core/reading/RashiCatalogue.cpp" line="99"/>
        <source>The Crab</source>
        <translation>केकड़ा</translation>
    </message>
    <message>
        <location filename="../core/reading/RashiCatalogue.cpp" line="99"/>
        <source>Moon</source>
        <translation>चंद्र</translation>
    </message>
    <message>
        <location filename="../core/reading/RashiCatalogue.cpp" line="100"/>
        <source>Simha</source>
        <translation>सिंह</translation>
    </message>
    <message>
        <location filename="../core/reading/RashiCatalogue.cpp" line="100"/>
        <source>The Lion</source>
        <translation>शेर</translation>
    </message>
    <message>
        <location filename="../core/reading/RashiCatalogue.cpp" line="100"/>
        <source>Sun</source>
        <translation>सूर्य</translation>
    </message>
    <message>
        <location filename="../core/reading/RashiCatalogue.cpp" line="101"/>
        <source>Kanya</source>
        <translation>कन्या</translation>
    </message>
    <message>
        <location filename="../core/reading/RashiCatalogue.cpp" line="101"/>
        <source>The Virgin</source>
        <translation>कुमारी कन्या</translation>
    </message>
    <message>
        <location filename="../core/reading/RashiCatalogue.cpp" line="102"/>
        <source>Thula</source>
        <translation>तुला</translation>
    </message>
    <message>
        <location filename="../core/reading/RashiCatalogue.cpp" line="102"/>
        <source>The Balance</source>
        <translation>तराजू</translation>
    </message>
    <message>
        <location filename="../core/reading/RashiCatalogue.cpp" line="103"/>
        <source>Vrischika</source>
        <translation>वृश्चिक</translation>
    </message>
    <message>
        <location filename="../core/reading/RashiCatalogue.cpp" line="103"/>
        <source>The Scorpion</source>
        <translation>बिच्छू</translation>
    </message>
    <message>
        <location filename="../core/reading/RashiCatalogue.cpp" line="104"/>
        <source>Dhanus</source>
        <translation>धनु</translation>
    </message>
    <message>
        <location filename="../core/reading/RashiCatalogue.cpp" line="104"/>
        <source>The Archer</source>
        <translation>धनुर्धर</translation>
    </message>
    <message>
        <location filename="../core/reading/RashiCatalogue.cpp" line="104"/>
        <location filename="../core/reading/RashiCatalogue.cpp" line="107"/>
        <source>Jupiter</source>
        <translation>गुरु</translation>
    </message>
    <message>
        <location filename="../core/reading/RashiCatalogue.cpp" line="105"/>
        <source>Makara</source>
        <translation>मकर</translation>
    </message>
    <message>
        <location filename="../core/reading/RashiCatalogue.cpp" line="105"/>
        <source>The Crocodile</source>
        <translation>मगरमच्छ</translation>
    </message>
    <message>
        <location filename="../core/reading/RashiCatalogue.cpp" line="105"/>
        <location filename="../core/reading/RashiCatalogue.cpp" line="106"/>
        <source>Saturn</source>
        <translation>शनि</translation>
    </message>
    <message>
        <location filename="../core/reading/RashiCatalogue.cpp" line="106"/>
        <source>Kumbha</source>
        <translation>कुंभ</translation>
    </message>
    <message>
        <location filename="../core/reading/RashiCatalogue.cpp" line="106"/>
        <source>The Water Carrier</source>
        <translation>घड़ा लिए पुरुष</translation>
    </message>
    <message>
        <location filename="../core/reading/RashiCatalogue.cpp" line="107"/>
        <source>Meena</source>
        <translation>मीन</translation>
    </message>
    <message>
        <location filename="../core/reading/RashiCatalogue.cpp" line="107"/>
        <source>The Double Fish</source>
        <translation>मछलियों का जोड़ा</translation>
    </message>
    <message>
        <location filename="../core/reading/RashiCatalogue.cpp" line="114"/>
        <location filename="../core/reading/RashiCatalogue.cpp" line="131"/>
        <source>Red, Brown, Copper</source>
        <translation>लाल, भूरा, ताँबई</translation>
    </message>
    <message>
        <location filename="../core/reading/RashiCatalogue.cpp" line="115"/>
        <location filename="../core/reading/RashiCatalogue.cpp" line="118"/>
        <source>White</source>
        <translation>सफेद</translation>
    </message>
    <message>
        <location filename="../core/reading/RashiCatalogue.cpp" line="116"/>
        <location filename="../core/reading/RashiCatalogue.cpp" line="136"/>
        <source>Green</source>
        <translation>हरा</translation>
    </message>
    <message>
        <location filename="../core/reading/RashiCatalogue.cpp" line="117"/>
        <source>Pink</source>
        <translation>गुलाबी</translation>
    </message>
    <message>
        <location filename="../core/reading/RashiCatalogue.cpp" line="119"/>
        <location filename="../core/reading/RashiCatalogue.cpp" line="123"/>
        <source>Multicolored</source>
        <translation>बहुरंगी</translation>
    </message>
    <message>
        <location filename="../core/reading/RashiCatalogue.cpp" line="120"/>
        <source>Black</source>
        <translation>काला</translation>
    </message>
    <message>
        <location filename="../core/reading/RashiCatalogue.cpp" line="121"/>
        <source>Reddish Brown</source>
        <translation>लालिमा लिए भूरा</translation>
    </message>
    <message>
        <location filename="../core/reading/RashiCatalogue.cpp" line="122"/>
        <source>Yellowish brown</source>
        <translation>पीलापन लिए भूरा</translation>
    </message>
    <message>
        <location filename="../core/reading/RashiCatalogue.cpp" line="124"/>
        <source>Deep Brown</source>
        <translation>गहरा भूरा</translation>
    </message>
    <message>
        <location filename="../core/reading/RashiCatalogue.cpp" line="125"/>
        <source>Blue</source>
        <translation>नीला</translation>
    </message>
    <message>
        <location filename="../core/reading/RashiCatalogue.cpp" line="131"/>
        <source>Monday, Tuesday</source>
        <translation>सोमवार, मंगलवार</translation>
    </message>
    <message>
        <location filename="../core/reading/RashiCatalogue.cpp" line="131"/>
        <location filename="../core/reading/RashiCatalogue.cpp" line="135"/>
        <location filename="../core/reading/RashiCatalogue.cpp" line="139"/>
        <source>East</source>
        <translation>पूर्व</translation>
    </message>
    <message>
        <location filename="../core/reading/RashiCatalogue.cpp" line="131"/>
        <location filename="../core/reading/RashiCatalogue.cpp" line="138"/>
        <source>Coral</source>
        <translation>मूँगा</translation>
    </message>
    <message>
        <location filename="../core/reading/RashiCatalogue.cpp" line="132"/>
        <source>Thursday, Friday</source>
        <translation>गुरुवार, शुक्रवार</translation>
    </message>
    <message>
        <location filename="../core/reading/RashiCatalogue.cpp" line="132"/>
        <location filename="../core/reading/RashiCatalogue.cpp" line="136"/>
        <location filename="../core/reading/RashiCatalogue.cpp" line="140"/>
        <source>South</source>
        <translation>दक्षिण</translation>
    </message>
    <message>
        <location filename="../core/reading/RashiCatalogue.cpp" line="132"/>
        <source>Pink, Green</source>
        <translation>गुलाबी, हरा</translation>
    </message>
    <message>
        <location filename="../core/reading/RashiCatalogue.cpp" line="132"/>
        <location filename="../core/reading/RashiCatalogue.cpp" line="137"/>
        <source>Diamond</source>
        <translation>हीरा</translation>
    </message>
    <message>
        <location filename="../core/reading/RashiCatalogue.cpp" line="133"/>
        <source>Monday, Wednesday</source>
        <translation>सोमवार, बुधवार</translation>
    </message>
    <message>
        <location filename="../core/reading/RashiCatalogue.cpp" line="133"/>
        <location filename="../core/reading/RashiCatalogue.cpp" line="137"/>
        <location filename="../core/reading/RashiCatalogue.cpp" line="141"/>
        <source>West</source>
        <translation>पश्चिम</translation>
    </message>
    <message>
        <location filename="../core/reading/RashiCatalogue.cpp" line="133"/>
        <source>Yellow, Purple, Blue</source>
        <translation>पीला, बैंगनी, नीला</translation>
    </message>
    <message>
        <location filename="../core/reading/RashiCatalogue.cpp" line="133"/>
        <location filename="../core/reading/RashiCatalogue.cpp" line="136"/>
        <source>Emerald</source>
        <translation>पन्ना</translation>
    </message>
    <message>
        <location filename="../core/reading/RashiCatalogue.cpp" line="134"/>
        <source>Monday, Thursday</source>
        <translation>सोमवार, गुरुवार</translation>
    </message>
    <message>
        <location filename="../core/reading/RashiCatalogue.cpp" line="134"/>
        <location filename="../core/reading/RashiCatalogue.cpp" line="138"/>
        <location filename="../core/reading/RashiCatalogue.cpp" line="142"/>
        <source>North</source>
        <translation>उत्तर</translation>
    </message>
    <message>
        <location filename="../core/reading/RashiCatalogue.cpp" line="134"/>
        <source>White, Red, Yellow</source>
        <translation>सफेद, लाल, पीला</translation>
    </message>
    <message>
        <location filename="../core/reading/RashiCatalogue.cpp" line="134"/>
        <source>Pearl</source>
        <translation>मोती</translation>
    </message>
    <message>
        <location filename="../core/reading/RashiCatalogue.cpp" line="135"/>
        <source>Sunday, Monday</source>
        <translation>रविवार, सोमवार</translation>
    </message>
    <message>
        <location filename="../core/reading/RashiCatalogue.cpp" line="135"/>
        <source>Orange, Red, Green</source>
        <translation>नारंगी, लाल, हरा</translation>
    </message>
    <message>
        <location filename="../core/reading/RashiCatalogue.cpp" line="135"/>
        <source>Ruby</source>
        <translation>माणिक्य</translation>
    </message>
    <message>
        <location filename="../core/reading/RashiCatalogue.cpp" line="136"/>
        <source>Wednesday, Friday</source>
        <translation>बुधवार, शुक्रवार</translation>
    </message>
    <message>
        <location filename="../core/reading/RashiCatalogue.cpp" line="137"/>
        <source>Friday, Wednesday, Thursday</source>
        <translation>शुक्रवार, बुधवार, गुरुवार</translation>
    </message>
    <message>
        <location filename="../core/reading/RashiCatalogue.cpp" line="137"/>
        <source>White, Green, Yellow</source>
        <translation>सफेद, हरा, पीला</translation>
    </message>
    <message>
        <location filename="../core/reading/RashiCatalogue.cpp" line="138"/>
        <source>Monday, Tuesday, Thursday</source>
        <translation>सोमवार, मंगलवार, गुरुवार</translation>
    </message>
    <message>
        <location filename="../core/reading/RashiCatalogue.cpp" line="138"/>
        <source>Brown, Red, Yellow, White</source>
        <translation>भूरा, लाल, पीला, सफेद</translation>
    </message>
    <message>
        <location filename="../core/reading/RashiCatalogue.cpp" line="139"/>
        <source>Sunday, Thursday</source>
        <translation>रविवार, गुरुवार</translation>
    </message>
    <message>
        <location filename="../core/reading/RashiCatalogue.cpp" line="139"/>
        <source>Yellow, Gray, Brown</source>
        <translation>पीला, स्लेटी, भूरा</translation>
    </message>
    <message>
        <location filename="../core/reading/RashiCatalogue.cpp" line="139"/>
        <location filename="../core/reading/RashiCatalogue.cpp" line="142"/>
        <source>Yellow Sapphire</source>
        <translation>पुखराज</translation>
    </message>
    <message>
        <location filename="../core/reading/RashiCatalogue.cpp" line="140"/>
        <source>Saturday, Wednesday</source>
        <translation>शनिवार, बुधवार</translation>
    </message>
    <message>
        <location filename="../core/reading/RashiCatalogue.cpp" line="140"/>
        <source>Black, Blue</source>
        <translation>काला, नीला</translation>
    </message>
    <message>
        <location filename="../core/reading/RashiCatalogue.cpp" line="140"/>
        <location filename="../core/reading/RashiCatalogue.cpp" line="141"/>
        <source>Blue Sapphire</source>
        <translation>नीलम</translation>
    </message>
    <message>
        <location filename="../core/reading/RashiCatalogue.cpp" line="141"/>
        <source>Thursday, Friday, Saturday</source>
        <translation>गुरुवार, शुक्रवार, शनिवार</translation>
    </message>
    <message>
        <location filename="../core/reading/RashiCatalogue.cpp" line="141"/>
        <source>Blue, Black</source>
        <translation>नीला, काला</translation>
    </message>
    <message>
        <location filename="../core/reading/RashiCatalogue.cpp" line="142"/>
        <source>Thursday, Monday, Tuesday</source>
        <translation>गुरुवार, सोमवार, मंगलवार</translation>
    </message>
    <message>
        <location filename="../core/reading/RashiCatalogue.cpp" line="142"/>
        <source>Pink, Cream</source>
        <translation>गुलाबी, क्रीम</translation>
    </message>
    <message>
        <location filename="../core/reading/RashiCatalogue.cpp" line="152"/>
        <source>Head</source>
        <translation>सिर</translation>
    </message>
    <message>
        <location filename="../core/reading/RashiCatalogue.cpp" line="152"/>
        <source>Leo, Sagittarius, Gemini, Aquarius, Libra</source>
        <translation>सिंह, धनु, मिथुन, कुंभ, तुला</translation>
    </message>
    <message>
        <location filename="../core/reading/RashiCatalogue.cpp" line="152"/>
        <location filename="../core/reading/RashiCatalogue.cpp" line="156"/>
        <location filename="../core/reading/RashiCatalogue.cpp" line="160"/>
        <source>Scorpio, Pisces, Cancer</source>
        <translation>वृश्चिक, मीन, कर्क</translation>
    </message>
    <message>
        <location filename="../core/reading/RashiCatalogue.cpp" line="153"/>
        <source>Face</source>
        <translation>चेहरा</translation>
    </message>
    <message>
        <location filename="../core/reading/RashiCatalogue.cpp" line="153"/>
        <source>Cancer, Virgo, Scorpio, Capricorn, Pisces</source>
        <translation>कर्क, कन्या, वृश्चिक, मकर, मीन</translation>
    </message>
    <message>
        <location filename="../core/reading/RashiCatalogue.cpp" line="153"/>
        <location filename="../core/reading/RashiCatalogue.cpp" line="157"/>
        <location filename="../core/reading/RashiCatalogue.cpp" line="161"/>
        <source>Gemini, Aquarius, Libra</source>
        <translation>मिथुन, कुंभ, तुला</translation>
    </message>
    <message>
        <location filename="../core/reading/RashiCatalogue.cpp" line="154"/>
        <source>Shoulders</source>
        <translation>कंधे</translation>
    </message>
    <message>
        <location filename="../core/reading/RashiCatalogue.cpp" line="154"/>
        <source>Aries, Leo, Libra, Sagittarius, Aquarius</source>
        <translation>मेष, सिंह, तुला, धनु, कुंभ</translation>
    </message>
    <message>
        <location filename="../core/reading/RashiCatalogue.cpp" line="154"/>
        <location filename="../core/reading/RashiCatalogue.cpp" line="158"/>
        <location filename="../core/reading/RashiCatalogue.cpp" line="162"/>
        <source>Taurus, Virgo, Capricorn</source>
        <translation>वृषभ, कन्या, मकर</translation>
    </message>
    <message>
        <location filename="../core/reading/RashiCatalogue.cpp" line="155"/>
        <source>Chest</source>
        <translation>छाती</translation>
    </message>
    <message>
        <location filename="../core/reading/RashiCatalogue.cpp" line="155"/>
        <source>Virgo, Scorpio, Capricorn, Pisces, Taurus</source>
        <translation>कन्या, वृश्चिक, मकर, मीन, वृषभ</translation>
    </message>
    <message>
        <location filename="../core/reading/RashiCatalogue.cpp" line="155"/>
        <location filename="../core/reading/RashiCatalogue.cpp" line="159"/>
        <location filename="../core/reading/RashiCatalogue.cpp" line="163"/>
        <source>Aries, Leo, Sagittarius</source>
        <translation>मेष, सिंह, धनु</translation>
    </message>
    <message>
        <location filename="../core/reading/RashiCatalogue.cpp" line="156"/>
        <source>Heart &amp; Stomach</source>
        <translation>हृदय और पेट</translation>
    </message>
    <message>
        <location filename="../core/reading/RashiCatalogue.cpp" line="156"/>
        <source>Libra, Sagittarius, Aquarius, Aries, Gemini</source>
        <translation>तुला, धनु, कुंभ, मेष, मिथुन</translation>
    </message>
    <message>
        <location filename="../core/reading/RashiCatalogue.cpp" line="157"/>
        <source>Abdomen</source>
        <translation>उदर</translation>
    </message>
    <message>
        <location filename="../core/reading/RashiCatalogue.cpp" line="157"/>
        <source>Scorpio, Capricorn, Pisces, Cancer</source>
        <translation>वृश्चिक, मकर, मीन, कर्क</translation>
    </message>
    <message>
        <location filename="../core/reading/RashiCatalogue.cpp" line="158"/>
        <source>Lower Abdomen &amp; Groin</source>
        <translation>पेड़ू और जाँघों का जोड़</translation>
    </message>
    <message>
        <location filename="../core/reading/RashiCatalogue.cpp" line="158"/>
        <source>Sagittarius, Aquarius, Aries, Gemini, Leo</source>
        <translation>धनु, कुंभ, मेष, मिथुन, सिंह</translation>
    </message>
    <message>
        <location filename="../core/reading/RashiCatalogue.cpp" line="159"/>
        <source>External Genitalia</source>
        <translation>बाहरी जननांग</translation>
    </message>
    <message>
        <location filename="../core/reading/RashiCatalogue.cpp" line="159"/>
        <source>Capricorn, Pisces, Taurus, Cancer, Virgo</source>
        <translation>मकर, मीन, वृषभ, कर्क, कन्या</translation>
    </message>
    <message>
        <location filename="../core/reading/RashiCatalogue.cpp" line="160"/>
        <source>Thighs</source>
        <translation>जाँघें</translation>
    </message>
    <message>
        <location filename="../core/reading/RashiCatalogue.cpp" line="160"/>
        <source>Aquarius, Aries, Gemini, Leo, Libra</source>
        <translation>कुंभ, मेष, मिथुन, सिंह, तुला</translation>
    </message>
    <message>
        <location filename="../core/reading/RashiCatalogue.cpp" line="161"/>
        <source>Knees</source>
        <translation>घुटने</translation>
    </message>
    <message>
        <location filename="../core/reading/RashiCatalogue.cpp" line="161"/>
        <source>Pisces, Taurus, Cancer, Virgo, Scorpio</source>
        <translation>मीन, वृषभ, कर्क, कन्या, वृश्चिक</translation>
    </message>
    <message>
        <location filename="../core/reading/RashiCatalogue.cpp" line="162"/>
        <source>Calves</source>
        <translation>पिंडलियाँ</translation>
    </message>
    <message>
        <location filename="../core/reading/RashiCatalogue.cpp" line="162"/>
        <source>Aquarius, Libra, Gemini</source>
        <translation>कुंभ, तुला, मिथुन</translation>
    </message>
    <message>
        <location filename="../core/reading/RashiCatalogue.cpp" line="163"/>
        <source>Feet</source>
        <translation>पैर</translation>
    </message>
    <message>
        <location filename="../core/reading/RashiCatalogue.cpp" line="163"/>
        <source>Taurus, Cancer, Virgo, Scorpio, Capricorn</source>
        <translation>वृषभ, कर्क, कन्या, वृश्चिक, मकर</translation>
    </message>
    <message>
        <location filename="../core/reading/RashiParagraphs.cpp" line="15"/>
        <source>You are short and compact, with a lean, muscular body and a quick step. Your complexion is ruddy, your brows are strong and your eyes are bright and alert. You may carry a small mark or scar on the head.</source>
        <translation>आप छोटे कद के और गठीले हैं; आपका शरीर छरहरा और मांसल है तथा चाल फुर्तीली है। आपका रंग लालिमा लिए हुए है, भौंहें घनी हैं और आँखें चमकीली व सतर्क हैं। आपके सिर पर कोई छोटा निशान या चोट का दाग हो सकता है।</translation>
    </message>
    <message>
        <location filename="../core/reading/RashiParagraphs.cpp" line="19"/>
        <source>You are bold, energetic and always ready to act. Mars, your ruling planet, fills you with courage and drive. You like to lead and you dislike waiting for others. Your mind works fast and your decisions come quickly. You start new projects with great enthusiasm. Your interest can fade once the challenge is gone. You speak frankly and expect the same from others. Your temper flares up fast but cools just as fast. You do not hold grudges for long. You are generous with friends and protective of the weak. You spend money freely and sometimes on impulse. You work best when you are your own master. Learning patience will bring you lasting success.</source>
        <translation>आप साहसी, ऊर्जावान और हर समय कुछ करने को तत्पर रहते हैं। आपकी राशि का स्वामी मंगल आपमें साहस और आगे बढ़ने का जोश भरता है। आपको नेतृत्व करना अच्छा लगता है और दूसरों की प्रतीक्षा करना आपको पसंद नहीं। आपका दिमाग तेजी से चलता है और आप निर्णय जल्दी लेते हैं। आप नए काम बड़े उत्साह से शुरू करते हैं। चुनौती खत्म होते ही आपकी रुचि घट सकती है। आप खरी बात कहते हैं और दूसरों से भी यही अपेक्षा रखते हैं। आपको गुस्सा जल्दी आता है, पर उतनी ही जल्दी शांत भी हो जाता है। आप मन में बैर लंबे समय तक नहीं रखते। आप मित्रों के प्रति उदार हैं और कमजोरों की रक्षा करते हैं। आप खुलकर पैसा खर्च करते हैं, और कभी-कभी आवेश में आकर भी। जब आप अपने मालिक खुद होते हैं, तब आपका काम सबसे अच्छा होता है। धैर्य सीखने से आपको स्थायी सफलता मिलेगी।</translation>
    </message>
    <message>
        <location filename="../core/reading/RashiParagraphs.cpp" line="33"/>
        <source>You do well in work that needs courage and quick action, such as the army, police, sports, surgery and engineering. You earn through your own drive rather than by inheritance. Money comes to you quickly, so save part of it before it slips away.</source>
        <translation>जिन कामों में साहस और तुरंत कार्रवाई की जरूरत हो, जैसे सेना, पुलिस, खेल, शल्य चिकित्सा और इंजीनियरिंग, उनमें आप अच्छा करते हैं। आप पैतृक संपत्ति के बजाय अपने बलबूते पर कमाते हैं। पैसा आपके पास जल्दी आता है, इसलिए हाथ से निकल जाने से पहले उसका कुछ भाग बचा लें।</translation>
    </message>
    <message>
        <location filename="../core/reading/RashiParagraphs.cpp" line="37"/>
        <source>You fall in love quickly and pursue the one you want with passion. You need a partner who respects your independence and can keep pace with you. Your impatience can cause quarrels at home, yet you never sulk for long. You are a proud and protective parent.</source>
        <translation>आपको प्रेम जल्दी हो जाता है और जिसे आप चाहते हैं, उसे पूरे जोश से पाने का प्रयास करते हैं। आपको ऐसा साथी चाहिए जो आपकी स्वतंत्रता का सम्मान करे और आपके साथ कदम मिलाकर चल सके। आपकी अधीरता घर में झगड़े करा सकती है, फिर भी आप देर तक रूठे नहीं रहते। माता-पिता के रूप में आप अपनी संतान पर गर्व करते हैं और उसकी रक्षा करते हैं।</translation>
    </message>
    <message>
        <location filename="../core/reading/RashiParagraphs.cpp" line="42"/>
        <source>Your head is your weak point, so watch for headaches, migraines, fevers and injuries to the head and face. You recover fast when you rest and take cooling food.</source>
        <translation>सिर आपका कमजोर अंग है, इसलिए सिरदर्द, माइग्रेन, बुखार और सिर व चेहरे की चोटों से सावधान रहें। आराम करने और ठंडक देने वाला भोजन लेने पर आप जल्दी ठीक हो जाते हैं।</translation>
    </message>
    <message>
        <location filename="../core/reading/RashiParagraphs.cpp" line="48"/>
        <source>You are short and sturdy, with a thick neck and a solid build. Your face is full and pleasant, with large, soft eyes and well-shaped lips. Your hair is usually dark and plentiful.</source>
        <translation>आप छोटे कद के और मजबूत हैं; आपकी गर्दन मोटी और शरीर ठोस बनावट का है। आपका चेहरा भरा-भरा और सुहावना है, आँखें बड़ी और कोमल हैं तथा होंठ सुडौल हैं। आपके बाल प्रायः गहरे रंग के और घने होते हैं।</translation>
    </message>
    <message>
        <location filename="../core/reading/RashiParagraphs.cpp" line="52"/>
        <source>You are patient, steady and practical. Venus, your ruler, gives you a love of beauty, comfort and good food. You move slowly but you finish what you begin. Your loyalty to people and principles runs deep. You dislike sudden change and prefer familiar routines. Once you make up your mind, few can change it. Your stubbornness is your main weakness. You seldom lose your temper, but when you do it is fierce. You value security and save money carefully. You enjoy music, art and the pleasures of the senses. Your word can be trusted, and you expect honesty in return. You work hard when the reward is solid and lasting.</source>
        <translation>आप धैर्यवान, स्थिर स्वभाव के और व्यावहारिक हैं। आपका स्वामी शुक्र आपको सुंदरता, सुख-सुविधा और अच्छे भोजन का प्रेमी बनाता है। आप धीमी गति से आगे बढ़ते हैं, पर जो शुरू करते हैं उसे पूरा करते हैं। लोगों और सिद्धांतों के प्रति आपकी निष्ठा गहरी होती है। आपको अचानक बदलाव पसंद नहीं; आप जानी-पहचानी दिनचर्या पसंद करते हैं। एक बार मन बना लेने पर उसे कम ही लोग बदल पाते हैं। जिद आपकी मुख्य कमजोरी है। आपको गुस्सा कम ही आता है, पर जब आता है तो बहुत तेज होता है। आप सुरक्षा को महत्व देते हैं और सोच-समझकर पैसा बचाते हैं। आपको संगीत, कला और इंद्रियों के सुख अच्छे लगते हैं। आपकी बात पर भरोसा किया जा सकता है, और बदले में आप भी ईमानदारी चाहते हैं। जब फल ठोस और टिकाऊ हो, तब आप कड़ी मेहनत करते हैं।</translation>
    </message>
    <message>
        <location filename="../core/reading/RashiParagraphs.cpp" line="65"/>
        <source>You suit careers in banking, finance, agriculture, real estate, food, fashion, music and the arts. You build wealth slowly and steadily through saving and sound investment. Property and land are a lasting source of income for you.</source>
        <translation>बैंकिंग, वित्त, कृषि, अचल संपत्ति, खान-पान, फैशन, संगीत और कलाओं से जुड़े व्यवसाय आपके लिए उपयुक्त हैं। आप बचत और सुरक्षित निवेश से धीरे-धीरे पर लगातार धन बनाते हैं। मकान-जायदाद और जमीन आपके लिए आय का स्थायी स्रोत हैं।</translation>
    </message>
    <message>
        <location filename="../core/reading/RashiParagraphs.cpp" line="69"/>
        <source>You are a tender, devoted and sensual partner. You take time to commit, but once you do you stay loyal for life. Your home is comfortable and well furnished, and you enjoy sharing good meals with your family. Possessiveness is the one thing you must watch in love.</source>
        <translation>आप कोमल, समर्पित और रसिक साथी हैं। किसी रिश्ते में बँधने में आप समय लेते हैं, पर एक बार बँध जाने पर जीवन भर वफादार रहते हैं। आपका घर आरामदेह और अच्छे साज-सामान से सजा होता है, और परिवार के साथ अच्छा भोजन करना आपको अच्छा लगता है। प्रेम में आपको बस एक बात से सावधान रहना है: अधिकार जताने की प्रवृत्ति।</translation>
    </message>
    <message>
        <location filename="../core/reading/RashiParagraphs.cpp" line="74"/>
        <source>Your face, throat and neck are sensitive, so guard against sore throats, tonsillitis and thyroid trouble. You gain weight easily if you indulge in sweets.</source>
        <translation>आपका चेहरा, गला और गर्दन संवेदनशील हैं, इसलिए गले की खराश, टॉन्सिल की सूजन और थायरॉइड की परेशानी से बचें। मिठाइयाँ अधिक खाने पर आपका वजन आसानी से बढ़ जाता है।</translation>
    </message>
    <message>
        <location filename="../core/reading/RashiParagraphs.cpp" line="80"/>
        <source>You are of medium height with a slim, agile body and long arms. Your face is lively and expressive, and your eyes are quick and searching. You often look younger than your age.</source>
        <translation>आप मध्यम कद के हैं; आपका शरीर दुबला और फुर्तीला है तथा बाँहें लंबी हैं। आपका चेहरा जीवंत और भाव-भरा है, और आँखें चंचल व खोजी हैं। आप अक्सर अपनी उम्र से कम दिखते हैं।</translation>
    </message>
    <message>
        <location filename="../core/reading/RashiParagraphs.cpp" line="84"/>
        <source>You are clever, curious and quick-witted. Mercury, the planet of speech and learning, gives you a sharp intellect and a gift for words. You learn fast and love to talk about ideas. Your interests are many and they change often. You can see both sides of any question. This makes you adaptable but sometimes undecided. You enjoy company and make friends easily. Your restlessness needs variety, travel and fresh news. You grow bored with slow, repetitive work. You are good at handling several tasks at once. Your moods shift quickly, much like the air. You spend money on books, gadgets and short trips. You need to finish what you begin to reach your goals.</source>
        <translation>आप चतुर, जिज्ञासु और हाजिरजवाब हैं। वाणी और विद्या का ग्रह बुध आपको तेज बुद्धि और शब्दों की विशेष प्रतिभा देता है। आप जल्दी सीखते हैं और विचारों पर बात करना आपको बहुत पसंद है। आपकी रुचियाँ अनेक हैं और वे अक्सर बदलती रहती हैं। आप किसी भी प्रश्न के दोनों पहलू देख सकते हैं। इससे आप हर स्थिति में ढल जाते हैं, पर कभी-कभी कोई निर्णय नहीं कर पाते। आपको लोगों का साथ अच्छा लगता है और आप आसानी से मित्र बना लेते हैं। आपके चंचल मन को विविधता, यात्रा और नई-नई खबरें चाहिए। धीमे और बार-बार एक जैसे काम से आप ऊब जाते हैं। आप एक साथ कई काम सँभालने में कुशल हैं। आपका मिजाज हवा की तरह जल्दी-जल्दी बदलता है। आप किताबों, नए-नए उपकरणों और छोटी यात्राओं पर पैसा खर्च करते हैं। अपने लक्ष्यों तक पहुँचने के लिए आपको अपने शुरू किए काम पूरे करने होंगे।</translation>
    </message>
    <message>
        <location filename="../core/reading/RashiParagraphs.cpp" line="98"/>
        <source>You shine in writing, journalism, teaching, sales, advertising, communication and trade. You can earn from more than one source at the same time. Your income may swing up and down, so keep a steady savings plan.</source>
        <translation>लेखन, पत्रकारिता, अध्यापन, बिक्री, विज्ञापन, संचार और व्यापार में आप चमकते हैं। आप एक ही समय में एक से अधिक स्रोतों से कमा सकते हैं। आपकी आय घटती-बढ़ती रह सकती है, इसलिए बचत की एक नियमित योजना बनाए रखें।</translation>
    </message>
    <message>
        <location filename="../core/reading/RashiParagraphs.cpp" line="102"/>
        <source>Your ideal partner is also your best friend and a lively talker. You enjoy flirting and need mental stimulation in love. You may have more than one serious romance before you settle. Your home is full of books, talk and visitors, and you are a playful parent.</source>
        <translation>आपका आदर्श साथी आपका सबसे अच्छा मित्र भी होता है और खूब रोचक बातें करने वाला भी। आपको प्रेम भरी छेड़छाड़ अच्छी लगती है, और प्रेम में भी आपके मन को बौद्धिक खुराक चाहिए। घर बसाने से पहले आपके एक से अधिक गंभीर प्रेम-संबंध हो सकते हैं। आपका घर किताबों, बातचीत और मेहमानों से भरा रहता है, और आप बच्चों के साथ हँसने-खेलने वाले माता-पिता हैं।</translation>
    </message>
    <message>
        <location filename="../core/reading/RashiParagraphs.cpp" line="107"/>
        <source>Your shoulders, arms, hands and lungs need care. Nervous tension, coughs, asthma and problems of the breath are your common complaints.</source>
        <translation>आपके कंधों, बाँहों, हाथों और फेफड़ों को देखभाल की जरूरत है। स्नायविक तनाव, खाँसी, दमा और साँस की तकलीफें आपकी आम शिकायतें हैं।</translation>
    </message>
    <message>
        <location filename="../core/reading/RashiParagraphs.cpp" line="113"/>
        <source>You are of middle height with a soft, rounded body. Your face is round and pale or fair, with gentle, moist eyes. Your weight changes easily with your moods.</source>
        <translation>आप मध्यम कद के हैं और आपका शरीर कोमल व गोलाई लिए हुए है। आपका चेहरा गोल है, रंग फीका या गोरा है, और आँखें कोमल व नम हैं। आपका वजन आपके मन की दशा के साथ आसानी से घटता-बढ़ता है।</translation>
    </message>
    <message>
        <location filename="../core/reading/RashiParagraphs.cpp" line="117"/>
        <source>You are sensitive, caring and deeply emotional. The Moon, your ruler, makes your feelings rise and fall like the tides. You are loyal to family and old friends. Your memory is strong and you treasure the past. You have a vivid imagination and a good intuition. You are shy with strangers and open up slowly. Your feelings are easily hurt. You withdraw into your shell when you feel threatened. You care for others as a mother cares for a child. You are careful with money and like to save for hard times. You hold on to the people and things you love. You feel at ease in a secure and friendly workplace.</source>
        <translation>आप संवेदनशील, दूसरों का ध्यान रखने वाले और बहुत भावुक हैं। आपका स्वामी चंद्रमा आपकी भावनाओं को ज्वार-भाटे की तरह उठाता और गिराता है। आप परिवार और पुराने मित्रों के प्रति वफादार हैं। आपकी स्मरण-शक्ति तेज है और आप बीते समय को सँजोकर रखते हैं। आपकी कल्पना-शक्ति प्रखर है और अंतर्ज्ञान अच्छा है। अनजान लोगों के सामने आप संकोच करते हैं और धीरे-धीरे खुलते हैं। आपकी भावनाएँ आसानी से आहत हो जाती हैं। खतरा महसूस होने पर आप अपने खोल में सिमट जाते हैं। आप दूसरों की वैसे ही देखभाल करते हैं जैसे माँ अपने बच्चे की करती है। आप पैसे के मामले में सावधान हैं और बुरे समय के लिए बचत करना पसंद करते हैं। जिन लोगों और चीजों से आप प्रेम करते हैं, उन्हें आप थामे रखते हैं। सुरक्षित और मैत्रीपूर्ण कार्यस्थल में आप सहज महसूस करते हैं।</translation>
    </message>
    <message>
        <location filename="../core/reading/RashiParagraphs.cpp" line="130"/>
        <source>You thrive in nursing, catering, hotels, social work and childcare, and in trade in food, dairy, water or silver. You are thrifty and build savings through careful habits. Your income can come from the public and from family property.</source>
        <translation>नर्सिंग, खान-पान सेवा, होटल, समाज सेवा और बच्चों की देखभाल में, तथा खाद्य पदार्थ, दूध-डेयरी, जल या चाँदी के व्यापार में आप फलते-फूलते हैं। आप मितव्ययी हैं और सधी हुई आदतों से बचत करते हैं। आपकी आय जनता से और पारिवारिक संपत्ति से हो सकती है।</translation>
    </message>
    <message>
        <location filename="../core/reading/RashiParagraphs.cpp" line="134"/>
        <source>You need to feel emotionally safe before you open your heart. Home and family are the center of your life. You are closely attached to your mother and to your children. Your spouse will find you caring, though at times moody and clinging.</source>
        <translation>दिल खोलने से पहले आपको भावनात्मक सुरक्षा का अनुभव होना चाहिए। घर और परिवार आपके जीवन का केंद्र हैं। आप अपनी माँ और अपने बच्चों से गहराई से जुड़े हैं। आपके जीवनसाथी को आप परवाह करने वाले लगेंगे, हालाँकि कभी-कभी बदलते मिजाज वाले और हर समय साथ चाहने वाले भी।</translation>
    </message>
    <message>
        <location filename="../core/reading/RashiParagraphs.cpp" line="139"/>
        <source>Your chest, lungs and breasts need care. You are prone to coughs, colds, indigestion and water retention, and worry upsets your stomach.</source>
        <translation>आपकी छाती, फेफड़ों और स्तनों को देखभाल की जरूरत है। आपको खाँसी, जुकाम, अपच और शरीर में पानी रुकने की शिकायत जल्दी होती है, और चिंता से आपका पेट खराब हो जाता है।</translation>
    </message>
    <message>
        <location filename="../core/reading/RashiParagraphs.cpp" line="145"/>
        <source>You are tall and broad-shouldered, with a dignified, upright bearing. Your head is large, your hair full, and your eyes bright and steady. You walk with the confidence of a leader.</source>
        <translation>आप लंबे और चौड़े कंधों वाले हैं; आपकी मुद्रा गरिमामय और सीधी तनी हुई है। आपका सिर बड़ा है, बाल घने हैं, और आँखें चमकीली व स्थिर हैं। आप एक नेता जैसे आत्मविश्वास से चलते हैं।</translation>
    </message>
    <message>
        <location filename="../core/reading/RashiParagraphs.cpp" line="149"/>
        <source>You are proud, generous and full of confidence. The Sun, your ruling planet, gives you dignity and a natural authority. You take charge easily and expect respect. You are warm-hearted and loyal to those you love. Your courage shows most in difficult times. You love praise and can be hurt by neglect. Pettiness and meanness offend you. Your pride can make you arrogant or stubborn. You are honest and keep your promises. You enjoy luxury and display and do not count the cost. You like to be at the center of every gathering. Your sense of fairness earns you the trust of others. You give your all when you hold a position of honor.</source>
        <translation>आप स्वाभिमानी, उदार और आत्मविश्वास से भरे हैं। आपकी राशि का स्वामी सूर्य आपको गरिमा और सहज प्रभुत्व देता है। आप आसानी से बागडोर सँभाल लेते हैं और सम्मान की अपेक्षा रखते हैं। आप स्नेही हृदय वाले हैं और जिन्हें प्रेम करते हैं उनके प्रति वफादार रहते हैं। आपका साहस कठिन समय में सबसे अधिक दिखता है। आपको प्रशंसा बहुत प्रिय है और उपेक्षा से आपको ठेस पहुँच सकती है। ओछापन और नीचता आपको बुरी लगती है। आपका अभिमान आपको घमंडी या जिद्दी बना सकता है। आप ईमानदार हैं और अपने वादे निभाते हैं। आपको ठाठ-बाट और दिखावा पसंद है, और आप खर्च की परवाह नहीं करते। आप हर महफिल के केंद्र में रहना पसंद करते हैं। आपकी न्यायप्रियता आपको दूसरों का विश्वास दिलाती है। सम्मान का पद मिलने पर आप उसमें अपना सब कुछ लगा देते हैं।</translation>
    </message>
    <message>
        <location filename="../core/reading/RashiParagraphs.cpp" line="163"/>
        <source>You rise in government, administration, politics, management, the stage and any post of authority. You earn well and spend generously on comfort and status. Superiors and the state favor you.</source>
        <translation>सरकार, प्रशासन, राजनीति, प्रबंधन, रंगमंच और अधिकार वाले किसी भी पद पर आप उन्नति करते हैं। आप अच्छा कमाते हैं और सुख-सुविधा व प्रतिष्ठा पर खुलकर खर्च करते हैं। उच्च अधिकारी और शासन आप पर कृपा रखते हैं।</translation>
    </message>
    <message>
        <location filename="../core/reading/RashiParagraphs.cpp" line="167"/>
        <source>You love with warmth, passion and loyalty. Your partner must admire you and stand proudly at your side. You are generous to your spouse and proud of your children. Your pride can stir trouble at home, so learn to admit your mistakes.</source>
        <translation>आप गर्मजोशी, जुनून और वफादारी से प्रेम करते हैं। आपके साथी को आपकी सराहना करनी होगी और गर्व से आपके साथ खड़ा रहना होगा। आप अपने जीवनसाथी के प्रति उदार हैं और अपनी संतान पर गर्व करते हैं। आपका अभिमान घर में कलह पैदा कर सकता है, इसलिए अपनी गलतियाँ मानना सीखें।</translation>
    </message>
    <message>
        <location filename="../core/reading/RashiParagraphs.cpp" line="172"/>
        <source>Your heart, stomach and spine are vulnerable. Watch for heart trouble, high blood pressure, acidity and back pain as you grow older.</source>
        <translation>आपका हृदय, पेट और रीढ़ नाजुक हैं। उम्र बढ़ने के साथ हृदय रोग, उच्च रक्तचाप, एसिडिटी और पीठ दर्द से सावधान रहें।</translation>
    </message>
    <message>
        <location filename="../core/reading/RashiParagraphs.cpp" line="178"/>
        <source>You are tall and slender, with a neat and graceful figure. Your face is delicate and youthful, your eyes are clear and thoughtful, and your hair is fine. You are always well groomed.</source>
        <translation>आप लंबे और छरहरे हैं; आपकी काया सुघड़ और मनोहर है। आपका चेहरा कोमल और युवा है, आँखें साफ और विचारशील हैं, और बाल महीन हैं। आप हमेशा सजे-सँवरे रहते हैं।</translation>
    </message>
    <message>
        <location filename="../core/reading/RashiParagraphs.cpp" line="182"/>
        <source>You are modest, practical and analytical. Mercury lends you a keen mind and an eye for detail. You notice what others overlook. You like order, cleanliness and a clear plan. Your standards are high, for yourself and for everyone else. You can be too critical and worry over small things. You are helpful and happiest when you serve a useful purpose. You speak with care and rarely act in haste. Your reserve can hide a warm and kind heart. You handle money wisely and dislike waste. You are a patient worker and a careful planner. Your health and diet matter to you more than to most people.</source>
        <translation>आप विनम्र, व्यावहारिक और विश्लेषण करने वाले हैं। बुध आपको तेज दिमाग और बारीकियों को परखने वाली नजर देता है। जो दूसरों की नजर से छूट जाता है, वह आप देख लेते हैं। आपको व्यवस्था, साफ-सफाई और स्पष्ट योजना पसंद है। आपके मानदंड ऊँचे हैं, अपने लिए भी और बाकी सबके लिए भी। आप जरूरत से ज्यादा आलोचना कर सकते हैं और छोटी-छोटी बातों पर चिंता करते हैं। आप मददगार हैं और किसी उपयोगी काम आने पर सबसे अधिक खुश रहते हैं। आप सोच-समझकर बोलते हैं और जल्दबाजी में कम ही कुछ करते हैं। आपका संकोची स्वभाव एक स्नेही और दयालु हृदय को छिपाए रख सकता है। आप पैसे को समझदारी से सँभालते हैं और बर्बादी आपको नापसंद है। आप धैर्य से काम करने वाले और सावधानी से योजना बनाने वाले हैं। अधिकतर लोगों की तुलना में आपके लिए अपना स्वास्थ्य और खान-पान अधिक मायने रखते हैं।</translation>
    </message>
    <message>
        <location filename="../core/reading/RashiParagraphs.cpp" line="195"/>
        <source>You are suited to accountancy, medicine, nutrition, research, editing, teaching and every kind of skilled service. You manage money prudently and keep careful accounts. Steady work and sensible savings make you secure.</source>
        <translation>लेखा-कार्य, चिकित्सा, पोषण, अनुसंधान, संपादन, अध्यापन और हर तरह की कुशल सेवा आपके लिए उपयुक्त है। आप पैसे का प्रबंध विवेक से करते हैं और हिसाब-किताब सावधानी से रखते हैं। नियमित काम और समझदारी भरी बचत आपको सुरक्षित बनाते हैं।</translation>
    </message>
    <message>
        <location filename="../core/reading/RashiParagraphs.cpp" line="199"/>
        <source>You are shy and cautious in love and take time to show your feelings. You express affection through practical care rather than grand gestures. You value a partner who is neat, sensible and reliable. Your home is tidy and well run, and you guide your children with patience.</source>
        <translation>प्रेम में आप शर्मीले और सतर्क हैं और अपनी भावनाएँ दिखाने में समय लेते हैं। आप अपना स्नेह बड़े-बड़े दिखावों के बजाय व्यावहारिक देखभाल से प्रकट करते हैं। आप ऐसे साथी को महत्व देते हैं जो सलीकेदार, समझदार और भरोसेमंद हो। आपका घर साफ-सुथरा और सुव्यवस्थित रहता है, और आप धैर्य से अपने बच्चों का मार्गदर्शन करते हैं।</translation>
    </message>
    <message>
        <location filename="../core/reading/RashiParagraphs.cpp" line="204"/>
        <source>Your abdomen and intestines are sensitive. You may suffer from indigestion, ulcers, bowel trouble and ailments brought on by nervous worry.</source>
        <translation>आपका पेट और आँतें संवेदनशील हैं। आपको अपच, अल्सर, आँतों की तकलीफ और घबराहट भरी चिंता से होने वाली बीमारियाँ हो सकती हैं।</translation>
    </message>
    <message>
        <location filename="../core/reading/RashiParagraphs.cpp" line="210"/>
        <source>You are tall and well proportioned, with a pleasing, balanced figure. Your features are regular and attractive, and your smile is charming. Your complexion is clear and you dress with taste.</source>
        <translation>आप लंबे और सुडौल हैं; आपकी काया मनभावन और संतुलित है। आपके नैन-नक्श सधे हुए और आकर्षक हैं, और आपकी मुस्कान मनमोहक है। आपका रंग साफ है और आप सुरुचिपूर्ण ढंग से कपड़े पहनते हैं।</translation>
    </message>
    <message>
        <location filename="../core/reading/RashiParagraphs.cpp" line="214"/>
        <source>You are charming, polite and fair-minded. With Venus as your lord, you are refined and have a feeling for art and harmony. You seek balance in everything you do. You dislike quarrels and try to keep the peace. Your sense of justice is strong. You weigh every choice with care, and this can make you slow to decide. You are sociable and a gracious host. You work best with a partner rather than alone. Your tact and good manners win you friends. Coarse manners and rough work put you off. You enjoy fine clothes and beautiful surroundings. You like money for the comfort and beauty it can buy. Your need to please others can make you lose sight of your own wishes.</source>
        <translation>आप मनमोहक, शिष्ट और न्यायप्रिय हैं। शुक्र आपका स्वामी है, इसलिए आप परिष्कृत रुचि वाले हैं और कला व सामंजस्य की समझ रखते हैं। आप अपने हर काम में संतुलन खोजते हैं। आपको झगड़े नापसंद हैं और आप शांति बनाए रखने का प्रयास करते हैं। आपकी न्याय-भावना प्रबल है। आप हर विकल्प को ध्यान से तौलते हैं, और इस कारण निर्णय लेने में आपको देर हो सकती है। आप मिलनसार हैं और आदर-सत्कार करने वाले अच्छे मेजबान हैं। अकेले के बजाय किसी साझेदार के साथ आप सबसे अच्छा काम करते हैं। आपकी व्यवहार-कुशलता और अच्छे तौर-तरीके आपको मित्र दिलाते हैं। असभ्य व्यवहार और मोटे-झोटे काम आपको नहीं भाते। आपको बढ़िया कपड़े और सुंदर परिवेश अच्छे लगते हैं। आपको पैसा इसलिए प्रिय है कि उससे सुख-सुविधा और सुंदरता खरीदी जा सकती है। दूसरों को खुश रखने की चाह में आप अपनी इच्छाओं को भुला सकते हैं।</translation>
    </message>
    <message>
        <location filename="../core/reading/RashiParagraphs.cpp" line="228"/>
        <source>You do well in law, diplomacy, the arts, fashion, design, public relations and trade in luxury goods. Partnerships bring you gains. Your earnings are good, but beauty and pleasure tempt you to spend, so budget with care.</source>
        <translation>कानून, कूटनीति, कलाओं, फैशन, डिजाइन, जनसंपर्क और विलासिता की वस्तुओं के व्यापार में आप अच्छा करते हैं। साझेदारी से आपको लाभ होता है। आपकी कमाई अच्छी है, पर सुंदरता और भोग-विलास आपको खर्च के लिए ललचाते हैं, इसलिए सोच-समझकर बजट बनाएँ।</translation>
    </message>
    <message>
        <location filename="../core/reading/RashiParagraphs.cpp" line="232"/>
        <source>Love and marriage are central to your happiness. You are a romantic and considerate partner. You want a spouse who is refined, gentle and fair. You work hard to keep harmony at home, and your family life is usually peaceful.</source>
        <translation>प्रेम और विवाह आपकी खुशी के केंद्र में हैं। आप रोमांटिक और दूसरों का खयाल रखने वाले साथी हैं। आप ऐसा जीवनसाथी चाहते हैं जो सुसंस्कृत, सौम्य और न्यायप्रिय हो। घर में सामंजस्य बनाए रखने के लिए आप बहुत प्रयास करते हैं, और आपका पारिवारिक जीवन प्रायः शांत रहता है।</translation>
    </message>
    <message>
        <location filename="../core/reading/RashiParagraphs.cpp" line="237"/>
        <source>Your lower abdomen, groin, kidneys and lower back are sensitive. Drink plenty of water and watch for kidney and bladder trouble.</source>
        <translation>आपका पेड़ू, जाँघों का जोड़, गुर्दे और कमर का निचला भाग संवेदनशील हैं। खूब पानी पिएँ और गुर्दे व मूत्राशय की तकलीफ से सावधान रहें।</translation>
    </message>
    <message>
        <location filename="../core/reading/RashiParagraphs.cpp" line="243"/>
        <source>You are tall and strongly built, with a firm, sturdy frame. Your eyes are deep and piercing, and your gaze is hard to hold. Your hair is thick and dark, and your brows are heavy.</source>
        <translation>आप लंबे और मजबूत बनावट के हैं; आपका ढाँचा कसा हुआ और सुदृढ़ है। आपकी आँखें गहरी और भेदती हुई हैं, और आपकी नजर से नजर मिलाए रखना कठिन होता है। आपके बाल घने और गहरे रंग के हैं, और भौंहें भारी हैं।</translation>
    </message>
    <message>
        <location filename="../core/reading/RashiParagraphs.cpp" line="247"/>
        <source>You are intense, determined and magnetic. Mars, your lord, gives you a fighting spirit and great powers of endurance. You feel everything strongly but show little on the surface. Your will is strong, and you never give up halfway. You are secretive and keep your plans to yourself. You see through people quickly. You work tirelessly once a goal has caught your interest. You are a loyal friend but a dangerous enemy. Your jealousy and resentment can run deep. You rarely forget an injury. You are drawn to mysteries and hidden things. You handle money shrewdly and can manage the resources of others. Your energy can heal or destroy, so choose your path with care.</source>
        <translation>आप गहन, दृढ़निश्चयी और चुंबकीय व्यक्तित्व वाले हैं। आपका स्वामी मंगल आपको जुझारू भावना और अपार सहनशक्ति देता है। आप हर बात को गहराई से महसूस करते हैं, पर ऊपर से बहुत कम प्रकट करते हैं। आपकी इच्छाशक्ति प्रबल है, और आप कभी बीच में हार नहीं मानते। आप भेद छिपाकर रखते हैं और अपनी योजनाएँ अपने तक ही रखते हैं। आप लोगों को जल्दी भाँप लेते हैं। कोई लक्ष्य आपकी रुचि जगा दे तो आप उसके लिए अथक परिश्रम करते हैं। आप वफादार मित्र हैं, पर खतरनाक शत्रु भी। आपकी ईर्ष्या और नाराजगी बहुत गहरी हो सकती है। किसी की दी हुई चोट को आप शायद ही कभी भूलते हैं। रहस्य और छिपी हुई बातें आपको आकर्षित करती हैं। आप पैसे को चतुराई से सँभालते हैं और दूसरों के संसाधनों का प्रबंध भी कर सकते हैं। आपकी ऊर्जा उपचार भी कर सकती है और विनाश भी, इसलिए अपना मार्ग सावधानी से चुनें।</translation>
    </message>
    <message>
        <location filename="../core/reading/RashiParagraphs.cpp" line="261"/>
        <source>You excel in research, surgery, medicine, investigation, police work, insurance, mining and the occult sciences. You manage shared money and investments shrewdly. Inheritance or a partner&apos;s wealth may add to your own.</source>
        <translation>अनुसंधान, शल्य चिकित्सा, चिकित्सा, जाँच-पड़ताल, पुलिस के काम, बीमा, खनन और गूढ़ विद्याओं में आप उत्कृष्ट होते हैं। साझा धन और निवेश को आप चतुराई से सँभालते हैं। विरासत या साथी का धन आपके अपने धन में वृद्धि कर सकता है।</translation>
    </message>
    <message>
        <location filename="../core/reading/RashiParagraphs.cpp" line="265"/>
        <source>You love with great passion and total commitment. You demand loyalty and can be possessive and jealous. You guard your spouse and children fiercely. Your family life is strong when there is trust, but hidden resentments can cause storms.</source>
        <translation>आप गहरे जुनून और पूर्ण समर्पण से प्रेम करते हैं। आप वफादारी की माँग करते हैं और अधिकार जताने वाले व ईर्ष्यालु हो सकते हैं। आप अपने जीवनसाथी और बच्चों की पूरी ताकत से रक्षा करते हैं। भरोसा हो तो आपका पारिवारिक जीवन मजबूत रहता है, पर छिपी नाराजगियाँ तूफान खड़े कर सकती हैं।</translation>
    </message>
    <message>
        <location filename="../core/reading/RashiParagraphs.cpp" line="270"/>
        <source>Your genitals, bladder and urinary tract are your weak points. Watch for infections, piles and disorders of the reproductive organs.</source>
        <translation>आपके जननांग, मूत्राशय और मूत्र मार्ग आपके कमजोर अंग हैं। संक्रमण, बवासीर और प्रजनन अंगों के विकारों से सावधान रहें।</translation>
    </message>
    <message>
        <location filename="../core/reading/RashiParagraphs.cpp" line="276"/>
        <source>You are of medium height and well built, with strong thighs and an athletic stride. Your face is long and open, with a high forehead and bright, frank eyes. You may lose hair early at the temples.</source>
        <translation>आप मध्यम कद के और सुगठित हैं; आपकी जाँघें मजबूत हैं और चाल खिलाड़ी जैसी है। आपका चेहरा लंबा और खुला है, माथा ऊँचा है और आँखें चमकीली व निश्छल हैं। कनपटियों पर आपके बाल जल्दी झड़ सकते हैं।</translation>
    </message>
    <message>
        <location filename="../core/reading/RashiParagraphs.cpp" line="280"/>
        <source>You are optimistic, honest and freedom-loving. Jupiter, the great teacher among the planets, blesses you with wisdom, faith and a generous spirit. You speak the truth even when it hurts. You love travel, learning and new horizons. Your interest in religion and philosophy grows with age. You cannot bear to be tied down or controlled. You are cheerful, sporting and full of good humor. You can be careless, restless and too blunt. Your promises are sincere, but you sometimes take on too much. You give freely and think well of everyone. You spend generously and do not worry much about saving. You need freedom and a sense of purpose in your work. You are fond of animals and the outdoors. Your good fortune often comes through teachers and elders.</source>
        <translation>आप आशावादी, ईमानदार और स्वतंत्रता-प्रेमी हैं। ग्रहों में महान शिक्षक गुरु आपको ज्ञान, आस्था और उदार मन का वरदान देता है। आप सच बोलते हैं, चाहे वह चुभे ही क्यों न। आपको यात्रा, अध्ययन और नए क्षितिज प्रिय हैं। उम्र के साथ धर्म और दर्शन में आपकी रुचि बढ़ती है। बँधकर रहना या किसी के नियंत्रण में रहना आपको सहन नहीं। आप प्रसन्नचित्त, खेल-भावना वाले और विनोदप्रिय हैं। आप लापरवाह, बेचैन और जरूरत से ज्यादा मुँहफट हो सकते हैं। आपके वादे सच्चे होते हैं, पर कभी-कभी आप क्षमता से अधिक जिम्मेदारियाँ ले लेते हैं। आप खुले हाथ से देते हैं और सबके बारे में अच्छा सोचते हैं। आप दिल खोलकर खर्च करते हैं और बचत की ज्यादा चिंता नहीं करते। अपने काम में आपको स्वतंत्रता और उद्देश्य की भावना चाहिए। आपको पशुओं और खुली प्रकृति से लगाव है। आपका सौभाग्य अक्सर शिक्षकों और बड़ों के माध्यम से आता है।</translation>
    </message>
    <message>
        <location filename="../core/reading/RashiParagraphs.cpp" line="295"/>
        <source>You prosper in teaching, law, religion, publishing, travel, sports and work overseas. Your luck with money is good, and Jupiter often brings help when you need it. You should avoid gambling and speculation.</source>
        <translation>अध्यापन, कानून, धर्म, प्रकाशन, पर्यटन, खेल और विदेश में काम से आप समृद्ध होते हैं। पैसे के मामले में आपका भाग्य अच्छा है, और जरूरत पड़ने पर गुरु अक्सर सहायता दिलाता है। आपको जुए और सट्टे से बचना चाहिए।</translation>
    </message>
    <message>
        <location filename="../core/reading/RashiParagraphs.cpp" line="299"/>
        <source>You are a cheerful and generous partner who values freedom. You need a spouse who shares your ideals and your love of adventure. You are frank and faithful, but a jealous partner drives you away. Your children learn from you to be honest and to think for themselves.</source>
        <translation>आप प्रसन्नचित्त और उदार साथी हैं और स्वतंत्रता को महत्व देते हैं। आपको ऐसा जीवनसाथी चाहिए जो आपके आदर्शों और रोमांच के प्रति आपके प्रेम में सहभागी हो। आप स्पष्टवादी और वफादार हैं, पर ईर्ष्यालु साथी आपको दूर कर देता है। आपके बच्चे आपसे ईमानदार रहना और स्वयं सोचना सीखते हैं।</translation>
    </message>
    <message>
        <location filename="../core/reading/RashiParagraphs.cpp" line="304"/>
        <source>Your thighs, hips and liver need care. Watch for sciatica, hip injuries, liver trouble and weight gain from rich food.</source>
        <translation>आपकी जाँघों, कूल्हों और लिवर को देखभाल की जरूरत है। साइटिका, कूल्हे की चोटों, लिवर की तकलीफ और गरिष्ठ भोजन से बढ़ते वजन से सावधान रहें।</translation>
    </message>
    <message>
        <location filename="../core/reading/RashiParagraphs.cpp" line="310"/>
        <source>You are of medium height with a lean and bony frame. Your features are sharp and your expression is serious. You tend to look older in youth and younger as the years pass.</source>
        <translation>आप मध्यम कद के हैं और आपका ढाँचा दुबला व हड्डीदार है। आपके नैन-नक्श तीखे हैं और चेहरे का भाव गंभीर है। युवावस्था में आप प्रायः उम्र से बड़े दिखते हैं और वर्ष बीतने के साथ छोटे दिखने लगते हैं।</translation>
    </message>
    <message>
        <location filename="../core/reading/RashiParagraphs.cpp" line="314"/>
        <source>You are ambitious, disciplined and hard-working. Saturn, your lord, teaches you patience and a strong sense of duty. You climb slowly but surely toward your goals. You are practical and cautious in all your dealings. You respect tradition, rules and authority. Your reserve can make you seem cold to strangers. You are loyal to your family and your responsibilities. You keep your feelings under firm control. You can be gloomy and worry about the future. You are careful with money and plan for the long term. Your success usually comes later in life. You earn respect through persistence and honest work.</source>
        <translation>आप महत्वाकांक्षी, अनुशासित और परिश्रमी हैं। आपका स्वामी शनि आपको धैर्य और कर्तव्य की प्रबल भावना सिखाता है। आप धीरे-धीरे, पर निश्चित रूप से अपने लक्ष्यों की ओर बढ़ते हैं। अपने सभी कामकाज में आप व्यावहारिक और सतर्क रहते हैं। आप परंपरा, नियमों और सत्ता का सम्मान करते हैं। आपके संकोची स्वभाव के कारण अनजान लोगों को आप रूखे लग सकते हैं। आप अपने परिवार और अपनी जिम्मेदारियों के प्रति निष्ठावान हैं। आप अपनी भावनाओं को कड़े नियंत्रण में रखते हैं। आप उदास रह सकते हैं और भविष्य की चिंता करते हैं। आप पैसे के मामले में सावधान हैं और लंबे समय की योजना बनाते हैं। आपको सफलता प्रायः जीवन में देर से मिलती है। आप लगन और ईमानदार मेहनत से सम्मान अर्जित करते हैं।</translation>
    </message>
    <message>
        <location filename="../core/reading/RashiParagraphs.cpp" line="327"/>
        <source>You succeed in administration, government service, engineering, mining, agriculture, construction and business. You save steadily and invest carefully. Your wealth grows slowly but lasts.</source>
        <translation>प्रशासन, सरकारी सेवा, इंजीनियरिंग, खनन, कृषि, निर्माण और कारोबार में आप सफल होते हैं। आप नियमित बचत करते हैं और सावधानी से निवेश करते हैं। आपका धन धीरे-धीरे बढ़ता है, पर टिकता है।</translation>
    </message>
    <message>
        <location filename="../core/reading/RashiParagraphs.cpp" line="331"/>
        <source>You are reserved in love and rarely show your feelings openly. You take marriage seriously and choose a partner with care. You are faithful and provide well for your family. Your home is run with discipline, and you expect respect from your children.</source>
        <translation>प्रेम में आप संकोची हैं और अपनी भावनाएँ कम ही खुलकर दिखाते हैं। आप विवाह को गंभीरता से लेते हैं और साथी सावधानी से चुनते हैं। आप वफादार हैं और अपने परिवार की जरूरतें भली-भाँति पूरी करते हैं। आपका घर अनुशासन से चलता है, और आप अपने बच्चों से सम्मान की अपेक्षा रखते हैं।</translation>
    </message>
    <message>
        <location filename="../core/reading/RashiParagraphs.cpp" line="336"/>
        <source>Your knees, bones and joints bear the strain of your hard work. With age, watch for stiffness, arthritis, skin complaints and dental trouble.</source>
        <translation>आपके घुटने, हड्डियाँ और जोड़ आपकी कड़ी मेहनत का बोझ उठाते हैं। उम्र बढ़ने पर जकड़न, गठिया, त्वचा रोगों और दाँतों की तकलीफ से सावधान रहें।</translation>
    </message>
    <message>
        <location filename="../core/reading/RashiParagraphs.cpp" line="342"/>
        <source>You are on the short side, with a compact and well-knit frame. Your forehead is broad, your expression friendly and your eyes clear and far-seeing. Your look has something unusual about it.</source>
        <translation>आपका कद कुछ छोटा है और शरीर कसा हुआ व सुगठित है। आपका माथा चौड़ा है, चेहरे का भाव मैत्रीपूर्ण है और आँखें साफ व दूर तक देखने वाली हैं। आपके रूप में कुछ असामान्य-सा है।</translation>
    </message>
    <message>
        <location filename="../core/reading/RashiParagraphs.cpp" line="346"/>
        <source>You are independent, humane and original. Your ruler Saturn gives you a serious mind and steady resolve. You think in broad terms and care about society as a whole. You have many friends but few close ones. You value truth and freedom above comfort. Your ideas are often ahead of their time. You can be stubborn once you form an opinion. You resist anyone who tries to order you about. You work steadily for causes you believe in. You are honest, calm and fair with people. Your detachment can make you seem distant. You are drawn to science, reform and new ways of doing things. You are modest in your needs and not greedy for money. Your helpfulness makes you a good friend to the needy.</source>
        <translation>आप स्वतंत्र, मानवीय और मौलिक सोच वाले हैं। आपका स्वामी शनि आपको गंभीर मन और दृढ़ संकल्प देता है। आप व्यापक दृष्टि से सोचते हैं और पूरे समाज की परवाह करते हैं। आपके मित्र बहुत हैं, पर घनिष्ठ मित्र कम। आप सुख-सुविधा से बढ़कर सत्य और स्वतंत्रता को महत्व देते हैं। आपके विचार अक्सर अपने समय से आगे होते हैं। एक बार राय बना लेने पर आप जिद्दी हो सकते हैं। जो भी आप पर हुक्म चलाने की कोशिश करे, आप उसका विरोध करते हैं। जिन उद्देश्यों में आपका विश्वास है, उनके लिए आप लगातार काम करते हैं। आप लोगों के साथ ईमानदार, शांत और निष्पक्ष रहते हैं। आपकी निर्लिप्तता के कारण आप खिंचे-खिंचे से लग सकते हैं। विज्ञान, सुधार और काम करने के नए तरीके आपको आकर्षित करते हैं। आपकी जरूरतें सीमित हैं और आप धन के लोभी नहीं हैं। आपका मददगार स्वभाव आपको जरूरतमंदों का अच्छा मित्र बनाता है।</translation>
    </message>
    <message>
        <location filename="../core/reading/RashiParagraphs.cpp" line="361"/>
        <source>You find your place in science, research, technology, engineering, astrology, social work and large organizations. Your earnings come through your own learning and effort, and friends help you advance. You spend more on causes than on luxuries.</source>
        <translation>विज्ञान, अनुसंधान, प्रौद्योगिकी, इंजीनियरिंग, ज्योतिष, समाज सेवा और बड़े संगठनों में आपको अपना स्थान मिलता है। आपकी कमाई आपके अपने ज्ञान और प्रयास से होती है, और मित्र आपको आगे बढ़ने में मदद करते हैं। आप विलासिता से अधिक जनहित के उद्देश्यों पर खर्च करते हैं।</translation>
    </message>
    <message>
        <location filename="../core/reading/RashiParagraphs.cpp" line="365"/>
        <source>You are a loyal but undemanding partner who values friendship in love. Your spouse must give you room to pursue your own interests. You may seem cool, yet your affection is lasting. Your home is open to friends, and you treat your children as equals.</source>
        <translation>आप वफादार पर कम अपेक्षाएँ रखने वाले साथी हैं और प्रेम में मित्रता को महत्व देते हैं। आपके जीवनसाथी को आपको अपनी रुचियों के पीछे जाने की छूट देनी होगी। आप भले ही ठंडे लगें, पर आपका स्नेह स्थायी होता है। आपका घर मित्रों के लिए खुला रहता है, और आप अपने बच्चों से बराबरी का व्यवहार करते हैं।</translation>
    </message>
    <message>
        <location filename="../core/reading/RashiParagraphs.cpp" line="370"/>
        <source>Your calves, ankles and blood circulation are delicate. Cramps, varicose veins, swollen legs and poor blood flow are common for you.</source>
        <translation>आपकी पिंडलियाँ, टखने और रक्त संचार नाजुक हैं। ऐंठन, नसों का फूलना, पैरों में सूजन और रक्त का धीमा प्रवाह आपके लिए आम बातें हैं।</translation>
    </message>
    <message>
        <location filename="../core/reading/RashiParagraphs.cpp" line="376"/>
        <source>You are short and soft in build, with a tendency to plumpness. Your eyes are large, dreamy and kind, and your skin is smooth. Your hands and feet are small and well shaped.</source>
        <translation>आप छोटे कद और कोमल बनावट के हैं, और आपका शरीर भरा-पूरा होने की प्रवृत्ति रखता है। आपकी आँखें बड़ी, सपनीली और दयालु हैं, और त्वचा चिकनी है। आपके हाथ-पैर छोटे और सुडौल हैं।</translation>
    </message>
    <message>
        <location filename="../core/reading/RashiParagraphs.cpp" line="380"/>
        <source>You are gentle, kind and deeply compassionate. Jupiter, your ruler, makes you devout, forgiving and generous at heart. You feel the pain of others as if it were your own. Your intuition is strong, and you often sense what others hide. You are imaginative and drawn to music, poetry and spiritual life. You shrink from conflict and avoid harsh words. You trust people easily and can be taken advantage of. Your mood depends on the people around you. You can drift into daydreams and delay decisions. You are generous with money, sometimes more than you can afford. You need quiet time alone to restore your strength. You find the deepest satisfaction in work that helps or heals. Your kindness is your greatest treasure.</source>
        <translation>आप सौम्य, दयालु और अत्यंत करुणामय हैं। आपका स्वामी गुरु आपको धर्मपरायण, क्षमाशील और दिल से उदार बनाता है। आप दूसरों का दर्द ऐसे महसूस करते हैं मानो वह आपका अपना हो। आपका अंतर्ज्ञान प्रबल है, और दूसरे जो छिपाते हैं उसे आप अक्सर भाँप लेते हैं। आप कल्पनाशील हैं और संगीत, कविता तथा आध्यात्मिक जीवन की ओर आकर्षित होते हैं। आप टकराव से कतराते हैं और कठोर शब्दों से बचते हैं। आप लोगों पर आसानी से भरोसा कर लेते हैं और लोग आपका अनुचित लाभ उठा सकते हैं। आपका मिजाज आपके आसपास के लोगों पर निर्भर करता है। आप दिवास्वप्नों में खो सकते हैं और निर्णय टाल सकते हैं। आप पैसे के मामले में उदार हैं, कभी-कभी अपनी सामर्थ्य से भी अधिक। अपनी शक्ति फिर से पाने के लिए आपको अकेले में शांत समय चाहिए। दूसरों की मदद या उपचार करने वाले काम में आपको सबसे गहरा संतोष मिलता है। आपकी दयालुता आपका सबसे बड़ा खजाना है।</translation>
    </message>
    <message>
        <location filename="../core/reading/RashiParagraphs.cpp" line="394"/>
        <source>Your calling lies in medicine, nursing, charity, religion, music, art, film, the sea and work in hospitals or ashrams. Money comes and goes easily. You need a trusted adviser to manage savings and investments.</source>
        <translation>आपका सच्चा कार्यक्षेत्र चिकित्सा, नर्सिंग, परोपकार, धर्म, संगीत, कला, फिल्म, समुद्र और अस्पतालों या आश्रमों के काम में है। पैसा आसानी से आता है और आसानी से चला भी जाता है। बचत और निवेश सँभालने के लिए आपको किसी भरोसेमंद सलाहकार की जरूरत है।</translation>
    </message>
    <message>
        <location filename="../core/reading/RashiParagraphs.cpp" line="398"/>
        <source>You are a romantic and self-sacrificing partner. You idealize the one you love and give your whole heart. A steady, protective spouse brings out the best in you. Your family life is warm and affectionate, and you are a tender, forgiving parent.</source>
        <translation>आप रोमांटिक और त्याग करने वाले साथी हैं। आप जिससे प्रेम करते हैं उसे आदर्श मान लेते हैं और उसे पूरा दिल दे देते हैं। स्थिर स्वभाव वाला और रक्षा करने वाला जीवनसाथी आपके सबसे अच्छे गुणों को सामने लाता है। आपका पारिवारिक जीवन आत्मीयता और स्नेह से भरा है, और आप कोमल हृदय वाले, क्षमाशील माता-पिता हैं।</translation>
    </message>
    <message>
        <location filename="../core/reading/RashiParagraphs.cpp" line="403"/>
        <source>Your feet are your weak point, so wear good shoes and rest them often. You are also sensitive to medicines, alcohol and damp weather.</source>
        <translation>पैर आपके कमजोर अंग हैं, इसलिए अच्छे जूते पहनें और पैरों को अक्सर आराम दें। आप दवाओं, शराब और नम मौसम के प्रति भी संवेदनशील हैं।</translation>
    </message>
</context>
<context>
    <name>orvanta::CoordinateFrame</name>
    <message>
        <location filename="../gui/app/CoordinateFrame.cpp" line="30"/>
        <source>%1 Degrees</source>
        <extracomment>What a screen reader calls the coordinate&apos;s boxes: %1 &quot;Latitude&quot; or &quot;Longitude&quot;; degrees and minutes of arc.</extracomment>
        <translation>%1 के अंश</translation>
    </message>
    <message>
        <location filename="../gui/app/CoordinateFrame.cpp" line="32"/>
        <source>%1 Minutes</source>
        <extracomment>As above: the minutes of arc of %1 (&quot;Latitude&quot; or &quot;Longitude&quot;).</extracomment>
        <translation>%1 की कला</translation>
    </message>
    <message>
        <location filename="../gui/app/CoordinateFrame.cpp" line="44"/>
        <source>Deg</source>
        <extracomment>A small caption under the box of a coordinate&apos;s degrees (of arc).</extracomment>
        <translation>अंश</translation>
    </message>
    <message>
        <location filename="../gui/app/CoordinateFrame.cpp" line="46"/>
        <source>Min</source>
        <extracomment>A small caption under the box of a coordinate&apos;s minutes (of arc).</extracomment>
        <translation>कला</translation>
    </message>
</context>
<context>
    <name>orvanta::CrossCheckLabel</name>
    <message>
        <location filename="../gui/reading/CrossCheckLabel.cpp" line="20"/>
        <source>The method this reading follows, and what the other method says</source>
        <translation>यह राशिफल किस विधि से है, और दूसरी विधि क्या कहती है</translation>
    </message>
    <message>
        <location filename="../gui/reading/CrossCheckLabel.cpp" line="35"/>
        <source>%1. %2</source>
        <extracomment>The line under the birth star: %1 says which method the reading follows (&quot;Reading by the classic series&quot;), %2 what the other method says of the same birth (may be empty).</extracomment>
        <translation>%1। %2</translation>
    </message>
</context>
<context>
    <name>orvanta::MatchSidePanel</name>
    <message>
        <location filename="../gui/matching/MatchSidePanel.cpp" line="44"/>
        <source>Bride</source>
        <translation>वधू</translation>
    </message>
    <message>
        <location filename="../gui/matching/MatchSidePanel.cpp" line="44"/>
        <source>Groom</source>
        <translation>वर</translation>
    </message>
    <message>
        <location filename="../gui/matching/MatchSidePanel.cpp" line="65"/>
        <source>Open &amp;Bride&apos;s Reading…</source>
        <translation>वधू का राशिफल खोलें (&amp;B)…</translation>
    </message>
    <message>
        <location filename="../gui/matching/MatchSidePanel.cpp" line="65"/>
        <source>Open &amp;Groom&apos;s Reading…</source>
        <translation>वर का राशिफल खोलें (&amp;G)…</translation>
    </message>
    <message>
        <location filename="../gui/matching/MatchSidePanel.cpp" line="67"/>
        <source>&amp;Use Reading on Screen</source>
        <translation>स्क्रीन पर दिख रहा राशिफल लें (&amp;U)</translation>
    </message>
    <message>
        <location filename="../gui/matching/MatchSidePanel.cpp" line="67"/>
        <source>U&amp;se Reading on Screen</source>
        <translation>स्क्रीन पर दिख रहा राशिफल लें (&amp;S)</translation>
    </message>
    <message>
        <location filename="../gui/matching/MatchSidePanel.cpp" line="69"/>
        <source>Use the reading on screen as the bride&apos;s</source>
        <translation>स्क्रीन पर दिख रहे राशिफल को वधू का मानें</translation>
    </message>
    <message>
        <location filename="../gui/matching/MatchSidePanel.cpp" line="70"/>
        <source>Use the reading on screen as the groom&apos;s</source>
        <translation>स्क्रीन पर दिख रहे राशिफल को वर का मानें</translation>
    </message>
    <message>
        <location filename="../gui/matching/MatchSidePanel.cpp" line="73"/>
        <source>No reading is on screen: open a saved reading instead.</source>
        <translation>स्क्रीन पर कोई राशिफल नहीं है: इसके बजाय सहेजा गया राशिफल खोलें।</translation>
    </message>
    <message>
        <location filename="../gui/matching/MatchSidePanel.cpp" line="90"/>
        <source>Name</source>
        <translation>नाम</translation>
    </message>
    <message>
        <location filename="../gui/matching/MatchSidePanel.cpp" line="90"/>
        <source>Born</source>
        <translation>जन्म</translation>
    </message>
    <message>
        <location filename="../gui/matching/MatchSidePanel.cpp" line="90"/>
        <source>Place</source>
        <translation>स्थान</translation>
    </message>
    <message>
        <location filename="../gui/matching/MatchSidePanel.cpp" line="90"/>
        <source>Rashi</source>
        <translation>राशि</translation>
    </message>
    <message>
        <location filename="../gui/matching/MatchSidePanel.cpp" line="90"/>
        <source>Nakshatra</source>
        <translation>नक्षत्र</translation>
    </message>
    <message>
        <location filename="../gui/matching/MatchSidePanel.cpp" line="90"/>
        <source>Method</source>
        <translation>विधि</translation>
    </message>
    <message>
        <location filename="../gui/matching/MatchSidePanel.cpp" line="103"/>
        <source>No bride&apos;s reading yet</source>
        <translation>वधू का राशिफल अभी नहीं खुला</translation>
    </message>
    <message>
        <location filename="../gui/matching/MatchSidePanel.cpp" line="103"/>
        <source>No groom&apos;s reading yet</source>
        <translation>वर का राशिफल अभी नहीं खुला</translation>
    </message>
    <message>
        <location filename="../gui/matching/MatchSidePanel.cpp" line="109"/>
        <source>%1, %2: %3</source>
        <extracomment>A field of one side of the matching window, as a screen reader says it: &quot;Bride, Rashi: Thula&quot;.</extracomment>
        <translation>%1, %2: %3</translation>
    </message>
</context>
<context>
    <name>orvanta::PlacePicker</name>
    <message>
        <location filename="../gui/app/PlacePicker.cpp" line="163"/>
        <source>Type two or more letters for places from the atlas; the Down arrow reads them, Enter chooses one.</source>
        <translation>एटलस से स्थान पाने के लिए दो या अधिक अक्षर टाइप करें; नीचे वाली तीर कुंजी से उन्हें पढ़ें, और एंटर से कोई एक चुनें।</translation>
    </message>
    <message>
        <location filename="../gui/app/PlacePicker.cpp" line="225"/>
        <source>Places</source>
        <extracomment>What a screen reader calls the list of places the atlas suggests under City.</extracomment>
        <translation>स्थान</translation>
    </message>
    <message>
        <location filename="../gui/app/PlacePicker.cpp" line="313"/>
        <source>%1: time zone set by hand; the atlas no longer changes it.</source>
        <extracomment>Said to a screen reader: %1 the place&apos;s name.</extracomment>
        <translation>%1: समय क्षेत्र हाथ से भरा गया; अब एटलस इसे नहीं बदलता।</translation>
    </message>
</context>
<context>
    <name>orvanta::SignGauge</name>
    <message>
        <location filename="../gui/reading/SignStayPanel.cpp" line="51"/>
        <source>Moon&apos;s place in the sign</source>
        <translation>राशि में चंद्रमा की स्थिति</translation>
    </message>
</context>
<context>
    <name>orvanta::SignStayPanel</name>
    <message>
        <location filename="../gui/reading/SignStayPanel.cpp" line="182"/>
        <source>When the Moon entered this rashi and when it leaves it</source>
        <translation>चंद्रमा के इस राशि में आने और इससे निकलने का समय</translation>
    </message>
    <message>
        <location filename="../gui/reading/SignStayPanel.cpp" line="183"/>
        <source>Notice: the rashi depends on the exact birth time</source>
        <translation>सूचना: राशि सटीक जन्म समय पर निर्भर है</translation>
    </message>
</context>
<context>
    <name>orvanta::TimeZones</name>
    <message>
        <location filename="../core/timezone/TimeZoneTable.h" line="38"/>
        <source>Alaska/Hawaii Daylight Time</source>
        <translation>अलास्का/हवाई डेलाइट समय</translation>
    </message>
    <message>
        <location filename="../core/timezone/TimeZoneTable.h" line="39"/>
        <source>Alaska/Hawaii Standard Time</source>
        <translation>अलास्का/हवाई मानक समय</translation>
    </message>
    <message>
        <location filename="../core/timezone/TimeZoneTable.h" line="40"/>
        <source>Alaska/Hawaii War Time</source>
        <translation>अलास्का/हवाई युद्धकालीन समय</translation>
    </message>
    <message>
        <location filename="../core/timezone/TimeZoneTable.h" line="41"/>
        <source>Atlantic Standard Time</source>
        <translation>अटलांटिक मानक समय</translation>
    </message>
    <message>
        <location filename="../core/timezone/TimeZoneTable.h" line="42"/>
        <source>Atlantic War Time</source>
        <translation>अटलांटिक युद्धकालीन समय</translation>
    </message>
    <message>
        <location filename="../core/timezone/TimeZoneTable.h" line="43"/>
        <source>Australian Central Daylight Time</source>
        <translation>ऑस्ट्रेलियाई केंद्रीय डेलाइट समय</translation>
    </message>
    <message>
        <location filename="../core/timezone/TimeZoneTable.h" line="44"/>
        <source>Australian Central Standard Time</source>
        <translation>ऑस्ट्रेलियाई केंद्रीय मानक समय</translation>
    </message>
    <message>
        <location filename="../core/timezone/TimeZoneTable.h" line="45"/>
        <source>Australian Eastern Daylight Time</source>
        <translation>ऑस्ट्रेलियाई पूर्वी डेलाइट समय</translation>
    </message>
    <message>
        <location filename="../core/timezone/TimeZoneTable.h" line="46"/>
        <source>Australian Eastern Standard Time</source>
        <translation>ऑस्ट्रेलियाई पूर्वी मानक समय</translation>
    </message>
    <message>
        <location filename="../core/timezone/TimeZoneTable.h" line="47"/>
        <source>Australian Western Daylight Time</source>
        <translation>ऑस्ट्रेलियाई पश्चिमी डेलाइट समय</translation>
    </message>
    <message>
        <location filename="../core/timezone/TimeZoneTable.h" line="48"/>
        <source>Australian Western Standard Time</source>
        <translation>ऑस्ट्रेलियाई पश्चिमी मानक समय</translation>
    </message>
    <message>
        <location filename="../core/timezone/TimeZoneTable.h" line="49"/>
        <source>Azores Time</source>
        <translation>अजोरेस समय</translation>
    </message>
    <message>
        <location filename="../core/timezone/TimeZoneTable.h" line="50"/>
        <source>Baghdad Time</source>
        <translation>बगदाद समय</translation>
    </message>
    <message>
        <location filename="../core/timezone/TimeZoneTable.h" line="51"/>
        <source>Bering Standard Time</source>
        <translation>बेरिंग मानक समय</translation>
    </message>
    <message>
        <location filename="../core/timezone/TimeZoneTable.h" line="52"/>
        <source>Brazil Zone 2</source>
        <translation>ब्राजील क्षेत्र 2</translation>
    </message>
    <message>
        <location filename="../core/timezone/TimeZoneTable.h" line="53"/>
        <source>British Double Summer Time</source>
        <translation>ब्रिटिश दोहरा ग्रीष्मकालीन समय</translation>
    </message>
    <message>
        <location filename="../core/timezone/TimeZoneTable.h" line="54"/>
        <source>British Summer Time</source>
        <translation>ब्रिटिश ग्रीष्मकालीन समय</translation>
    </message>
    <message>
        <location filename="../core/timezone/TimeZoneTable.h" line="55"/>
        <source>British War Time</source>
        <translation>ब्रिटिश युद्धकालीन समय</translation>
    </message>
    <message>
        <location filename="../core/timezone/TimeZoneTable.h" line="56"/>
        <source>Central Daylight Time</source>
        <translation>केंद्रीय डेलाइट समय</translation>
    </message>
    <message>
        <location filename="../core/timezone/TimeZoneTable.h" line="57"/>
        <source>Central European Daylight</source>
        <translation>केंद्रीय यूरोपीय डेलाइट</translation>
    </message>
    <message>
        <location filename="../core/timezone/TimeZoneTable.h" line="58"/>
        <source>Central European Time</source>
        <translation>केंद्रीय यूरोपीय समय</translation>
    </message>
    <message>
        <location filename="../core/timezone/TimeZoneTable.h" line="59"/>
        <source>Central Standard Time</source>
        <translation>केंद्रीय मानक समय</translation>
    </message>
    <message>
        <location filename="../core/timezone/TimeZoneTable.h" line="60"/>
        <source>Central War Time</source>
        <translation>केंद्रीय युद्धकालीन समय</translation>
    </message>
    <message>
        <location filename="../core/timezone/TimeZoneTable.h" line="61"/>
        <source>China Coast Time</source>
        <translation>चीन तटीय समय</translation>
    </message>
    <message>
        <location filename="../core/timezone/TimeZoneTable.h" line="62"/>
        <source>Eastern Daylight Time</source>
        <translation>पूर्वी डेलाइट समय</translation>
    </message>
    <message>
        <location filename="../core/timezone/TimeZoneTable.h" line="63"/>
        <source>Eastern European Daylight Time</source>
        <translation>पूर्वी यूरोपीय डेलाइट समय</translation>
    </message>
    <message>
        <location filename="../core/timezone/TimeZoneTable.h" line="64"/>
        <source>Eastern European Time</source>
        <translation>पूर्वी यूरोपीय समय</translation>
    </message>
    <message>
        <location filename="../core/timezone/TimeZoneTable.h" line="65"/>
        <source>Eastern Standard Time</source>
        <translation>पूर्वी मानक समय</translation>
    </message>
    <message>
        <location filename="../core/timezone/TimeZoneTable.h" line="66"/>
        <source>Eastern War Time</source>
        <translation>पूर्वी युद्धकालीन समय</translation>
    </message>
    <message>
        <location filename="../core/timezone/TimeZoneTable.h" line="67"/>
        <source>Greenwich Mean Time</source>
        <translation>ग्रीनविच माध्य समय</translation>
    </message>
    <message>
        <location filename="../core/timezone/TimeZoneTable.h" line="68"/>
        <source>Guam Standard Time</source>
        <translation>गुआम मानक समय</translation>
    </message>
    <message>
        <location filename="../core/timezone/TimeZoneTable.h" line="69"/>
        <source>Hawaiian Daylight Time</source>
        <translation>हवाई डेलाइट समय</translation>
    </message>
    <message>
        <location filename="../core/timezone/TimeZoneTable.h" line="70"/>
        <source>Hawaiian Standard Time</source>
        <translation>हवाई मानक समय</translation>
    </message>
    <message>
        <location filename="../core/timezone/TimeZoneTable.h" line="71"/>
        <source>Hawaiian War Time</source>
        <translation>हवाई युद्धकालीन समय</translation>
    </message>
    <message>
        <location filename="../core/timezone/TimeZoneTable.h" line="72"/>
        <source>Indian Time</source>
        <translation>भारतीय मानक समय</translation>
    </message>
    <message>
        <location filename="../core/timezone/TimeZoneTable.h" line="73"/>
        <source>Int&apos;l Date Line East</source>
        <translation>अंतरराष्ट्रीय तिथि रेखा पूर्व</translation>
    </message>
    <message>
        <location filename="../core/timezone/TimeZoneTable.h" line="74"/>
        <source>Int&apos;l Date Line West</source>
        <translation>अंतरराष्ट्रीय तिथि रेखा पश्चिम</translation>
    </message>
    <message>
        <location filename="../core/timezone/TimeZoneTable.h" line="75"/>
        <source>Iran Time</source>
        <translation>ईरान समय</translation>
    </message>
    <message>
        <location filename="../core/timezone/TimeZoneTable.h" line="76"/>
        <source>Japan Standard Time</source>
        <translation>जापान मानक समय</translation>
    </message>
    <message>
        <location filename="../core/timezone/TimeZoneTable.h" line="77"/>
        <source>Java Time</source>
        <translation>जावा समय</translation>
    </message>
    <message>
        <location filename="../core/timezone/TimeZoneTable.h" line="78"/>
        <source>Middle European Daylight Time</source>
        <translation>मध्य यूरोपीय डेलाइट समय</translation>
    </message>
    <message>
        <location filename="../core/timezone/TimeZoneTable.h" line="79"/>
        <source>Middle European Time</source>
        <translation>मध्य यूरोपीय समय</translation>
    </message>
    <message>
        <location filename="../core/timezone/TimeZoneTable.h" line="80"/>
        <source>Moluccas Time</source>
        <translation>मोलुक्का समय</translation>
    </message>
    <message>
        <location filename="../core/timezone/TimeZoneTable.h" line="81"/>
        <source>Mountain Daylight Time</source>
        <translation>माउंटेन डेलाइट समय</translation>
    </message>
    <message>
        <location filename="../core/timezone/TimeZoneTable.h" line="82"/>
        <source>Mountain Standard Time</source>
        <translation>माउंटेन मानक समय</translation>
    </message>
    <message>
        <location filename="../core/timezone/TimeZoneTable.h" line="83"/>
        <source>Mountain War Time</source>
        <translation>माउंटेन युद्धकालीन समय</translation>
    </message>
    <message>
        <location filename="../core/timezone/TimeZoneTable.h" line="84"/>
        <source>New Zealand Std Summer Time</source>
        <translation>न्यूजीलैंड मानक ग्रीष्मकालीन समय</translation>
    </message>
    <message>
        <location filename="../core/timezone/TimeZoneTable.h" line="85"/>
        <source>New Zealand Std Time</source>
        <translation>न्यूजीलैंड मानक समय</translation>
    </message>
    <message>
        <location filename="../core/timezone/TimeZoneTable.h" line="86"/>
        <source>New Zealand Summer Time</source>
        <translation>न्यूजीलैंड ग्रीष्मकालीन समय</translation>
    </message>
    <message>
        <location filename="../core/timezone/TimeZoneTable.h" line="87"/>
        <source>New Zealand Time</source>
        <translation>न्यूजीलैंड समय</translation>
    </message>
    <message>
        <location filename="../core/timezone/TimeZoneTable.h" line="88"/>
        <source>Newfoundland Standard Time</source>
        <translation>न्यूफाउंडलैंड मानक समय</translation>
    </message>
    <message>
        <location filename="../core/timezone/TimeZoneTable.h" line="89"/>
        <source>Nome Time</source>
        <translation>नोम समय</translation>
    </message>
    <message>
        <location filename="../core/timezone/TimeZoneTable.h" line="90"/>
        <source>North Sumatra Time</source>
        <translation>उत्तरी सुमात्रा समय</translation>
    </message>
    <message>
        <location filename="../core/timezone/TimeZoneTable.h" line="91"/>
        <source>Pacific Daylight Time</source>
        <translation>प्रशांत डेलाइट समय</translation>
    </message>
    <message>
        <location filename="../core/timezone/TimeZoneTable.h" line="92"/>
        <source>Pacific Standard Time</source>
        <translation>प्रशांत मानक समय</translation>
    </message>
    <message>
        <location filename="../core/timezone/TimeZoneTable.h" line="93"/>
        <source>Pacific War Time</source>
        <translation>प्रशांत युद्धकालीन समय</translation>
    </message>
    <message>
        <location filename="../core/timezone/TimeZoneTable.h" line="94"/>
        <location filename="../core/timezone/TimeZoneTable.h" line="95"/>
        <source>South Australia Daylight Time</source>
        <translation>दक्षिण ऑस्ट्रेलिया डेलाइट समय</translation>
    </message>
    <message>
        <location filename="../core/timezone/TimeZoneTable.h" line="96"/>
        <location filename="../core/timezone/TimeZoneTable.h" line="97"/>
        <source>South Australia Standard Time</source>
        <translation>दक्षिण ऑस्ट्रेलिया मानक समय</translation>
    </message>
    <message>
        <location filename="../core/timezone/TimeZoneTable.h" line="98"/>
        <source>South Sumatra Time</source>
        <translation>दक्षिणी सुमात्रा समय</translation>
    </message>
    <message>
        <location filename="../core/timezone/TimeZoneTable.h" line="99"/>
        <source>Universal Time</source>
        <translation>सार्वभौमिक समय</translation>
    </message>
    <message>
        <location filename="../core/timezone/TimeZoneTable.h" line="100"/>
        <source>USSR Zone 10</source>
        <translation>सोवियत संघ क्षेत्र 10</translation>
    </message>
    <message>
        <location filename="../core/timezone/TimeZoneTable.h" line="101"/>
        <source>USSR Zone 3</source>
        <translation>सोवियत संघ क्षेत्र 3</translation>
    </message>
    <message>
        <location filename="../core/timezone/TimeZoneTable.h" line="102"/>
        <source>USSR Zone 4</source>
        <translation>सोवियत संघ क्षेत्र 4</translation>
    </message>
    <message>
        <location filename="../core/timezone/TimeZoneTable.h" line="103"/>
        <source>USSR Zone 5</source>
        <translation>सोवियत संघ क्षेत्र 5</translation>
    </message>
    <message>
        <location filename="../core/timezone/TimeZoneTable.h" line="104"/>
        <source>USSR Zone 6</source>
        <translation>सोवियत संघ क्षेत्र 6</translation>
    </message>
    <message>
        <location filename="../core/timezone/TimeZoneTable.h" line="105"/>
        <source>West Africa Time</source>
        <translation>पश्चिम अफ्रीका समय</translation>
    </message>
    <message>
        <location filename="../core/timezone/TimeZoneTable.h" line="106"/>
        <source>Yukon Daylight Time</source>
        <translation>यूकॉन डेलाइट समय</translation>
    </message>
    <message>
        <location filename="../core/timezone/TimeZoneTable.h" line="107"/>
        <source>Yukon Standard Time</source>
        <translation>यूकॉन मानक समय</translation>
    </message>
    <message>
        <location filename="../core/timezone/TimeZoneTable.h" line="108"/>
        <source>Yukon War Time</source>
        <translation>यूकॉन युद्धकालीन समय</translation>
    </message>
</context>
<context>
    <name>orvanta::ZoneLineLabel</name>
    <message>
        <location filename="../gui/app/ZoneLineLabel.cpp" line="27"/>
        <source>Time zone from the atlas</source>
        <translation>एटलस से समय क्षेत्र</translation>
    </message>
    <message>
        <location filename="../gui/app/ZoneLineLabel.cpp" line="49"/>
        <source>%1. Change the time, or use %2.</source>
        <extracomment>The zone line where a birth time did not exist or came twice: %1 says so, %2 the two offsets to choose from, as links.</extracomment>
        <translation>%1। समय बदलें, या %2 का उपयोग करें।</translation>
    </message>
    <message>
        <location filename="../gui/app/ZoneLineLabel.cpp" line="49"/>
        <location filename="../gui/app/ZoneLineLabel.cpp" line="54"/>
        <source> or </source>
        <translation> या </translation>
    </message>
    <message>
        <location filename="../gui/app/ZoneLineLabel.cpp" line="52"/>
        <source>Two offsets are possible: %1. Press Tab to reach them in this line, then Enter to use one, or change the time of birth.</source>
        <extracomment>Said to a screen reader: %1 the two offsets to choose from.</extracomment>
        <translation>दो समय-अंतर संभव हैं: %1। इस पंक्ति में उन तक पहुँचने के लिए टैब दबाएँ, फिर किसी एक का उपयोग करने के लिए एंटर दबाएँ, या जन्म का समय बदलें।</translation>
    </message>
    <message>
        <location filename="../gui/app/ZoneLineLabel.cpp" line="60"/>
        <source>%1. %2</source>
        <extracomment>The zone line as a screen reader says it: %1 the line, %2 the offsets to choose from.</extracomment>
        <translation>%1। %2</translation>
    </message>
    <message>
        <location filename="../gui/app/ZoneLineLabel.cpp" line="62"/>
        <source>%1: %2</source>
        <extracomment>%1 &quot;Time zone from the atlas&quot;, %2 the line.</extracomment>
        <translation>%1: %2</translation>
    </message>
</context>
<context>
    <name>orvanta::frmAbout</name>
    <message>
        <location filename="../gui/support/frmAbout.cpp" line="29"/>
        <source>Orvanta icon</source>
        <translation>Orvanta आइकन</translation>
    </message>
    <message>
        <location filename="../gui/support/frmAbout.cpp" line="45"/>
        <source>Free software under the GNU General Public License, version 3 or later. Contains GeoNames data (geonames.org), licensed under CC&#xa0;BY&#xa0;4.0.</source>
        <translation>GNU जनरल पब्लिक लाइसेंस, संस्करण 3 या उसके बाद के किसी संस्करण के अंतर्गत मुक्त सॉफ्टवेयर। इसमें GeoNames का डेटा (geonames.org) है, जो CC&#xa0;BY&#xa0;4.0 लाइसेंस के अंतर्गत है।</translation>
    </message>
    <message>
        <location filename="../gui/support/frmAbout.cpp" line="56"/>
        <source>Uses Swiss Ephemeris © Astrodienst AG, AGPL-3.0, combined with Orvanta under section&#xa0;13 of the GNU General Public License, version&#xa0;3.</source>
        <translation>स्विस एफेमेरिस (Swiss Ephemeris) © Astrodienst AG, AGPL-3.0 का उपयोग करता है, जिसे GNU जनरल पब्लिक लाइसेंस, संस्करण&#xa0;3 की धारा&#xa0;13 के अंतर्गत Orvanta के साथ जोड़ा गया है।</translation>
    </message>
    <message>
        <location filename="../gui/support/frmAbout.cpp" line="70"/>
        <source>Click here to visit us at %1</source>
        <extracomment>%1 the program&apos;s web address.</extracomment>
        <translation>हमारी वेबसाइट %1 पर जाने के लिए यहाँ क्लिक करें</translation>
    </message>
    <message>
        <location filename="../gui/support/frmAbout.cpp" line="74"/>
        <source>OK</source>
        <translation>ठीक है</translation>
    </message>
</context>
<context>
    <name>orvanta::frmMain</name>
    <message>
        <location filename="../gui/app/frmMain.cpp" line="57"/>
        <source>&amp;File</source>
        <translation>फाइल (&amp;F)</translation>
    </message>
    <message>
        <location filename="../gui/app/frmMain.cpp" line="58"/>
        <source>&amp;Calculate</source>
        <translation>गणना करें (&amp;C)</translation>
    </message>
    <message>
        <location filename="../gui/app/frmMain.cpp" line="59"/>
        <source>&amp;Match Two Readings…</source>
        <translation>दो राशिफलों का मिलान करें (&amp;M)…</translation>
    </message>
    <message>
        <location filename="../gui/app/frmMain.cpp" line="61"/>
        <source>&amp;Preferences…</source>
        <translation>वरीयताएँ (&amp;P)…</translation>
    </message>
    <message>
        <location filename="../gui/app/frmMain.cpp" line="74"/>
        <source>&amp;Open Previously Saved Reading</source>
        <translation>पहले सहेजा गया राशिफल खोलें (&amp;O)</translation>
    </message>
    <message>
        <location filename="../gui/app/frmMain.cpp" line="96"/>
        <source>Night sky with the Moon</source>
        <translation>रात के आकाश में चंद्रमा</translation>
    </message>
    <message>
        <location filename="../gui/app/frmMain.cpp" line="112"/>
        <location filename="../gui/app/frmMain.cpp" line="116"/>
        <source>Name</source>
        <translation>नाम</translation>
    </message>
    <message>
        <location filename="../gui/app/frmMain.cpp" line="119"/>
        <source>Date of Birth</source>
        <translation>जन्म की तारीख</translation>
    </message>
    <message>
        <location filename="../gui/app/frmMain.cpp" line="121"/>
        <source>Time of Birth</source>
        <translation>जन्म का समय</translation>
    </message>
    <message>
        <location filename="../gui/app/frmMain.cpp" line="123"/>
        <source>Time Zone</source>
        <translation>समय क्षेत्र</translation>
    </message>
    <message>
        <location filename="../gui/app/frmMain.cpp" line="131"/>
        <source>Latitude</source>
        <translation>अक्षांश</translation>
    </message>
    <message>
        <location filename="../gui/app/frmMain.cpp" line="131"/>
        <source>North</source>
        <translation>उत्तर</translation>
    </message>
    <message>
        <location filename="../gui/app/frmMain.cpp" line="132"/>
        <source>South</source>
        <translation>दक्षिण</translation>
    </message>
    <message>
        <location filename="../gui/app/frmMain.cpp" line="133"/>
        <source>Longitude</source>
        <translation>देशांतर</translation>
    </message>
    <message>
        <location filename="../gui/app/frmMain.cpp" line="133"/>
        <source>East</source>
        <translation>पूर्व</translation>
    </message>
    <message>
        <location filename="../gui/app/frmMain.cpp" line="134"/>
        <source>West</source>
        <translation>पश्चिम</translation>
    </message>
    <message>
        <location filename="../gui/app/frmMain.cpp" line="142"/>
        <source>Find My Rashi</source>
        <translation>मेरी राशि जानें</translation>
    </message>
    <message>
        <location filename="../gui/app/frmMain.cpp" line="156"/>
        <source>Month of Birth</source>
        <translation>जन्म का महीना</translation>
    </message>
    <message>
        <location filename="../gui/app/frmMain.cpp" line="157"/>
        <source>Day of Birth</source>
        <translation>जन्म का दिन</translation>
    </message>
    <message>
        <location filename="../gui/app/frmMain.cpp" line="158"/>
        <source>Year of Birth</source>
        <translation>जन्म का वर्ष</translation>
    </message>
    <message>
        <location filename="../gui/app/frmMain.cpp" line="168"/>
        <source>Hour of Birth</source>
        <translation>जन्म का घंटा</translation>
    </message>
    <message>
        <location filename="../gui/app/frmMain.cpp" line="169"/>
        <source>Minute of Birth</source>
        <translation>जन्म का मिनट</translation>
    </message>
    <message>
        <location filename="../gui/app/frmMain.cpp" line="170"/>
        <source>Second of Birth</source>
        <translation>जन्म का सेकंड</translation>
    </message>
    <message>
        <location filename="../gui/app/frmMain.cpp" line="177"/>
        <source>HH:MM:SS</source>
        <extracomment>A caption beside the lists of the time of birth: hours, minutes, seconds.</extracomment>
        <translation>घं:मि:से</translation>
    </message>
    <message>
        <location filename="../gui/app/frmMain.cpp" line="185"/>
        <source>Time Zone Hours</source>
        <translation>समय क्षेत्र के घंटे</translation>
    </message>
    <message>
        <location filename="../gui/app/frmMain.cpp" line="186"/>
        <source>Time Zone Minutes</source>
        <translation>समय क्षेत्र के मिनट</translation>
    </message>
    <message>
        <location filename="../gui/app/frmMain.cpp" line="188"/>
        <source>TZ Help</source>
        <extracomment>A link beside the time zone&apos;s boxes that opens the list of time zones.</extracomment>
        <translation>समय क्षेत्र सहायता</translation>
    </message>
    <message>
        <location filename="../gui/app/frmMain.cpp" line="190"/>
        <source>Pick the time zone from a list</source>
        <translation>सूची से समय क्षेत्र चुनें</translation>
    </message>
    <message>
        <location filename="../gui/app/frmMain.cpp" line="193"/>
        <source>DST</source>
        <extracomment>A check box: daylight saving time was in force at the birth.</extracomment>
        <translation>डेलाइट सेविंग</translation>
    </message>
    <message>
        <location filename="../gui/app/frmMain.cpp" line="201"/>
        <source>Hour</source>
        <extracomment>A small caption under the box of the time zone&apos;s hours.</extracomment>
        <translation>घंटे</translation>
    </message>
    <message>
        <location filename="../gui/app/frmMain.cpp" line="203"/>
        <source>Min</source>
        <extracomment>A small caption under the box of the time zone&apos;s minutes (of time).</extracomment>
        <translation>मिनट</translation>
    </message>
    <message>
        <location filename="../gui/app/frmMain.cpp" line="222"/>
        <source>City</source>
        <translation>शहर</translation>
    </message>
    <message>
        <location filename="../gui/app/frmMain.cpp" line="223"/>
        <source>State</source>
        <translation>राज्य</translation>
    </message>
    <message>
        <location filename="../gui/app/frmMain.cpp" line="224"/>
        <source>Country</source>
        <translation>देश</translation>
    </message>
    <message>
        <location filename="../gui/app/frmMain.cpp" line="236"/>
        <source>Click Here To Find
Latitude &amp;&amp; Longitude</source>
        <extracomment>A button in two lines; &quot;&amp;&amp;&quot; shows one &quot;&amp;&quot;.</extracomment>
        <translation>अक्षांश और देशांतर
जानने के लिए यहाँ क्लिक करें</translation>
    </message>
    <message>
        <location filename="../gui/app/frmMain.cpp" line="238"/>
        <source>Click Here To Find Latitude &amp; Longitude</source>
        <translation>अक्षांश और देशांतर जानने के लिए यहाँ क्लिक करें</translation>
    </message>
    <message>
        <location filename="../gui/app/frmMain.cpp" line="416"/>
        <source>Please Enter City</source>
        <translation>कृपया शहर दर्ज करें</translation>
    </message>
    <message>
        <location filename="../gui/app/frmMain.cpp" line="417"/>
        <source>Please Enter State</source>
        <translation>कृपया राज्य दर्ज करें</translation>
    </message>
    <message>
        <location filename="../gui/app/frmMain.cpp" line="418"/>
        <source>Please Enter Country</source>
        <translation>कृपया देश दर्ज करें</translation>
    </message>
    <message>
        <location filename="../gui/app/frmMain.cpp" line="436"/>
        <source>Select the source file</source>
        <extracomment>The title of the dialog that opens a saved reading.</extracomment>
        <translation>सहेजी गई राशिफल फाइल चुनें</translation>
    </message>
    <message>
        <location filename="../gui/app/frmMain.cpp" line="455"/>
        <source>Please Check The File.</source>
        <translation>कृपया फाइल जाँचें।</translation>
    </message>
    <message>
        <location filename="../gui/app/frmMain.cpp" line="503"/>
        <source>The atlas of places cannot be used (%1). Please type the coordinates and the time zone yourself.</source>
        <extracomment>%1 says why, in a phrase of its own (&quot;The atlas … cannot be read: …&quot;).</extracomment>
        <translation>स्थानों के एटलस का उपयोग नहीं किया जा सकता (%1)। कृपया अक्षांश-देशांतर और समय क्षेत्र स्वयं दर्ज करें।</translation>
    </message>
</context>
<context>
    <name>orvanta::frmMatch</name>
    <message>
        <location filename="../gui/matching/frmMatch.cpp" line="64"/>
        <source>Match Two Readings — %1</source>
        <translation>दो राशिफलों का मिलान — %1</translation>
    </message>
    <message>
        <location filename="../gui/matching/frmMatch.cpp" line="80"/>
        <source>S&amp;wap ⇄</source>
        <translation>अदला-बदली ⇄ (&amp;W)</translation>
    </message>
    <message>
        <location filename="../gui/matching/frmMatch.cpp" line="81"/>
        <source>Swap the bride and the groom</source>
        <translation>वधू और वर की अदला-बदली करें</translation>
    </message>
    <message>
        <location filename="../gui/matching/frmMatch.cpp" line="90"/>
        <location filename="../gui/matching/frmMatch.cpp" line="113"/>
        <source>&amp;Report…</source>
        <translation>रिपोर्ट (&amp;R)…</translation>
    </message>
    <message>
        <location filename="../gui/matching/frmMatch.cpp" line="91"/>
        <location filename="../gui/matching/frmMatch.cpp" line="115"/>
        <source>&amp;Close</source>
        <translation>बंद करें (&amp;C)</translation>
    </message>
    <message>
        <location filename="../gui/matching/frmMatch.cpp" line="108"/>
        <source>&amp;File</source>
        <translation>फाइल (&amp;F)</translation>
    </message>
    <message>
        <location filename="../gui/matching/frmMatch.cpp" line="109"/>
        <source>Open &amp;Bride&apos;s Reading…</source>
        <translation>वधू का राशिफल खोलें (&amp;B)…</translation>
    </message>
    <message>
        <location filename="../gui/matching/frmMatch.cpp" line="110"/>
        <source>Open &amp;Groom&apos;s Reading…</source>
        <translation>वर का राशिफल खोलें (&amp;G)…</translation>
    </message>
    <message>
        <location filename="../gui/matching/frmMatch.cpp" line="111"/>
        <source>S&amp;wap Bride and Groom</source>
        <translation>वधू और वर की अदला-बदली (&amp;W)</translation>
    </message>
    <message>
        <location filename="../gui/matching/frmMatch.cpp" line="130"/>
        <source>The eight kootas</source>
        <translation>आठ कूट</translation>
    </message>
    <message>
        <location filename="../gui/matching/frmMatch.cpp" line="132"/>
        <source>Koota</source>
        <extracomment>The columns of the kootas&apos; table: the koota, each side&apos;s class, the points got, the most a koota gives.</extracomment>
        <translation>कूट</translation>
    </message>
    <message>
        <location filename="../gui/matching/frmMatch.cpp" line="132"/>
        <source>Bride</source>
        <translation>वधू</translation>
    </message>
    <message>
        <location filename="../gui/matching/frmMatch.cpp" line="132"/>
        <source>Groom</source>
        <translation>वर</translation>
    </message>
    <message>
        <location filename="../gui/matching/frmMatch.cpp" line="132"/>
        <source>Points</source>
        <translation>गुण</translation>
    </message>
    <message>
        <location filename="../gui/matching/frmMatch.cpp" line="132"/>
        <source>Maximum</source>
        <translation>अधिकतम</translation>
    </message>
    <message>
        <location filename="../gui/matching/frmMatch.cpp" line="197"/>
        <location filename="../gui/matching/frmMatch.cpp" line="206"/>
        <location filename="../gui/matching/frmMatch.cpp" line="211"/>
        <source>Please Check The File.</source>
        <translation>कृपया फाइल जाँचें।</translation>
    </message>
    <message>
        <location filename="../gui/matching/frmMatch.cpp" line="207"/>
        <source>“%1”: %2</source>
        <translation>“%1”: %2</translation>
    </message>
    <message>
        <location filename="../gui/matching/frmMatch.cpp" line="212"/>
        <source>No rashi can be found for the birth in “%1”.</source>
        <translation>“%1” के जन्म के लिए कोई राशि नहीं मिल सकी।</translation>
    </message>
    <message>
        <location filename="../gui/matching/frmMatch.cpp" line="222"/>
        <source>Open the Bride&apos;s Reading</source>
        <translation>वधू का राशिफल खोलें</translation>
    </message>
    <message>
        <location filename="../gui/matching/frmMatch.cpp" line="222"/>
        <source>Open the Groom&apos;s Reading</source>
        <translation>वर का राशिफल खोलें</translation>
    </message>
    <message>
        <location filename="../gui/matching/frmMatch.cpp" line="224"/>
        <source>Saved Readings</source>
        <translation>सहेजे गए राशिफल</translation>
    </message>
    <message>
        <location filename="../gui/matching/frmMatch.cpp" line="281"/>
        <location filename="../gui/matching/frmMatch.cpp" line="284"/>
        <source>Total</source>
        <translation>कुल</translation>
    </message>
    <message>
        <location filename="../gui/matching/frmMatch.cpp" line="308"/>
        <source>Open a reading for the bride and one for the groom.</source>
        <translation>वधू का एक राशिफल और वर का एक राशिफल खोलें।</translation>
    </message>
</context>
<context>
    <name>orvanta::frmMatchReport</name>
    <message>
        <location filename="../gui/matching/frmMatchReport.cpp" line="21"/>
        <source>Matching Report — %1</source>
        <translation>मिलान रिपोर्ट — %1</translation>
    </message>
    <message>
        <location filename="../gui/matching/frmMatchReport.cpp" line="31"/>
        <source>&amp;Print</source>
        <translation>प्रिंट करें (&amp;P)</translation>
    </message>
    <message>
        <location filename="../gui/matching/frmMatchReport.cpp" line="32"/>
        <source>&amp;Close</source>
        <translation>बंद करें (&amp;C)</translation>
    </message>
</context>
<context>
    <name>orvanta::frmPreferences</name>
    <message>
        <location filename="../gui/support/LanguagePreference.cpp" line="34"/>
        <source>The system&apos;s language</source>
        <extracomment>The first choice of language in Preferences: the one the system is set to.</extracomment>
        <translation>सिस्टम की भाषा</translation>
    </message>
    <message>
        <location filename="../gui/support/frmPreferences.cpp" line="25"/>
        <source>Moon position</source>
        <translation>चंद्रमा की स्थिति</translation>
    </message>
    <message>
        <location filename="../gui/support/frmPreferences.cpp" line="27"/>
        <source>&amp;Classic series (25 terms, as Orvanta has always computed it)</source>
        <translation>क्लासिक श्रेणी (25 पद, जिससे Orvanta सदा से गणना करता आया है) (&amp;C)</translation>
    </message>
    <message>
        <location filename="../gui/support/frmPreferences.cpp" line="29"/>
        <source>&amp;Swiss Ephemeris</source>
        <translation>स्विस एफेमेरिस (&amp;S)</translation>
    </message>
    <message>
        <location filename="../gui/support/frmPreferences.cpp" line="35"/>
        <source>Ayanamsa</source>
        <translation>अयनांश</translation>
    </message>
    <message>
        <location filename="../gui/support/frmPreferences.cpp" line="44"/>
        <source>Used by Swiss Ephemeris; the classic series has its own ayanamsa formula.</source>
        <translation>इसका उपयोग स्विस एफेमेरिस करता है; क्लासिक श्रेणी का अपना अयनांश सूत्र है।</translation>
    </message>
    <message>
        <location filename="../gui/support/frmPreferences.cpp" line="50"/>
        <source>Language</source>
        <translation>भाषा</translation>
    </message>
    <message>
        <location filename="../gui/support/frmPreferences.cpp" line="54"/>
        <source>Language of the windows</source>
        <translation>विंडो की भाषा</translation>
    </message>
    <message>
        <location filename="../gui/support/frmPreferences.cpp" line="78"/>
        <source>OK</source>
        <translation>ठीक है</translation>
    </message>
    <message>
        <location filename="../gui/support/frmPreferences.cpp" line="80"/>
        <source>Cancel</source>
        <translation>रद्द करें</translation>
    </message>
    <message>
        <location filename="../gui/support/frmPreferences.cpp" line="138"/>
        <source>The Preferences Could Not Be Saved.</source>
        <translation>वरीयताएँ सहेजी नहीं जा सकीं।</translation>
    </message>
</context>
<context>
    <name>orvanta::frmResult</name>
    <message>
        <location filename="../core/reading/RashiFields.h" line="31"/>
        <source>English Name</source>
        <translation>अंग्रेजी नाम</translation>
    </message>
    <message>
        <location filename="../core/reading/RashiFields.h" line="31"/>
        <source>This signifies the English name for the Vedic moon sign.</source>
        <translation>यह वैदिक चंद्र राशि का अंग्रेजी नाम है।</translation>
    </message>
    <message>
        <location filename="../core/reading/RashiFields.h" line="32"/>
        <source>Rulling Planet</source>
        <translation>स्वामी ग्रह</translation>
    </message>
    <message>
        <location filename="../core/reading/RashiFields.h" line="32"/>
        <source>This signifies the planet that exercises a powerful energy on the sign.</source>
        <translation>यह वह ग्रह है जिसका इस राशि पर प्रबल प्रभाव होता है।</translation>
    </message>
    <message>
        <location filename="../core/reading/RashiFields.h" line="33"/>
        <source>Symbol</source>
        <translation>प्रतीक</translation>
    </message>
    <message>
        <location filename="../core/reading/RashiFields.h" line="33"/>
        <source>This signifies the picture associated with the moon sign.</source>
        <translation>यह इस चंद्र राशि से जुड़ा चित्र है।</translation>
    </message>
    <message>
        <location filename="../core/reading/RashiFields.h" line="34"/>
        <source>Inborn Nature</source>
        <translation>जन्मजात प्रकृति</translation>
    </message>
    <message>
        <location filename="../core/reading/RashiFields.h" line="34"/>
        <source>This describes the human characteristics of this sign.</source>
        <translation>यह इस राशि के मानवीय गुणों का वर्णन करता है।</translation>
    </message>
    <message>
        <location filename="../core/reading/RashiFields.h" line="35"/>
        <source>Sign Color</source>
        <translation>राशि का रंग</translation>
    </message>
    <message>
        <location filename="../core/reading/RashiFields.h" line="35"/>
        <source>This signifies the color associated with the sign.</source>
        <translation>यह इस राशि से जुड़ा रंग है।</translation>
    </message>
    <message>
        <location filename="../core/reading/RashiFields.h" line="36"/>
        <source>Type Of Sign</source>
        <translation>राशि का प्रकार</translation>
    </message>
    <message>
        <location filename="../core/reading/RashiFields.h" line="36"/>
        <source>This signifies the attitude of the people under this sign.</source>
        <translation>यह इस राशि के लोगों की प्रवृत्ति बताता है।</translation>
    </message>
    <message>
        <location filename="../core/reading/RashiFields.h" line="37"/>
        <source>Gender</source>
        <translation>लिंग</translation>
    </message>
    <message>
        <location filename="../core/reading/RashiFields.h" line="37"/>
        <source>The male rashis are more dynamic in nature while the female rashis are passive by nature.</source>
        <translation>पुरुष राशियाँ स्वभाव से अधिक सक्रिय होती हैं, जबकि स्त्री राशियाँ स्वभाव से निष्क्रिय होती हैं।</translation>
    </message>
    <message>
        <location filename="../core/reading/RashiFields.h" line="38"/>
        <source>Best Period Of Activity</source>
        <translation>सक्रियता का श्रेष्ठ समय</translation>
    </message>
    <message>
        <location filename="../core/reading/RashiFields.h" line="38"/>
        <source>This shows the best period of the day when people of this sign are more active.</source>
        <translation>यह दिन का वह श्रेष्ठ समय बताता है जब इस राशि के लोग अधिक सक्रिय रहते हैं।</translation>
    </message>
    <message>
        <location filename="../core/reading/RashiFields.h" line="39"/>
        <source>Barren / Fruitful</source>
        <translation>बंजर / फलदायी</translation>
    </message>
    <message>
        <location filename="../core/reading/RashiFields.h" line="39"/>
        <source>This classifies the signs on basis of fertility.</source>
        <translation>यह राशियों को उर्वरता के आधार पर बाँटता है।</translation>
    </message>
    <message>
        <location filename="../core/reading/RashiFields.h" line="40"/>
        <source>Sign Caste</source>
        <translation>राशि का वर्ण</translation>
    </message>
    <message>
        <location filename="../core/reading/RashiFields.h" line="40"/>
        <source>This classifies the sign based on caste into Brahmana (the seeker and teacher of knowledge), Kshatriya (warriors, rulers), Vaisya (the industrialists, wealth creators) and the Sudras (the workers).</source>
        <translation>यह राशियों को वर्ण के आधार पर बाँटता है: ब्राह्मण (ज्ञान के साधक और शिक्षक), क्षत्रिय (योद्धा, शासक), वैश्य (उद्योगपति, धन के सृजक) और शूद्र (श्रमिक)।</translation>
    </message>
    <message>
        <location filename="../core/reading/RashiFields.h" line="41"/>
        <source>Sign Position</source>
        <translation>राशि की स्थिति</translation>
    </message>
    <message>
        <location filename="../core/reading/RashiFields.h" line="41"/>
        <source>This classifies the sign based on position into Dwara (Entrance), Bahya (Outside), Garbha (Inside).</source>
        <translation>यह राशियों को स्थिति के आधार पर बाँटता है: द्वार (प्रवेश), बाह्य (बाहर), गर्भ (भीतर)।</translation>
    </message>
    <message>
        <location filename="../core/reading/RashiFields.h" line="42"/>
        <source>Constituent Character</source>
        <translation>घटक स्वरूप</translation>
    </message>
    <message>
        <location filename="../core/reading/RashiFields.h" line="42"/>
        <source>This classifies the sign based on constituent making into Dhatu (Mineral), Moola (Vegetable) and Jeeva (Animal).</source>
        <translation>यह राशियों को उनके घटक के आधार पर बाँटता है: धातु (खनिज), मूल (वनस्पति) और जीव (प्राणी)।</translation>
    </message>
    <message>
        <location filename="../core/reading/RashiFields.h" line="43"/>
        <source>Lucky Days</source>
        <translation>शुभ दिन</translation>
    </message>
    <message>
        <location filename="../core/reading/RashiFields.h" line="43"/>
        <source>This signifies the lucky days for people born under this sign.</source>
        <translation>यह इस राशि में जन्मे लोगों के शुभ दिन बताता है।</translation>
    </message>
    <message>
        <location filename="../core/reading/RashiFields.h" line="44"/>
        <source>Lucky Numbers</source>
        <translation>शुभ अंक</translation>
    </message>
    <message>
        <location filename="../core/reading/RashiFields.h" line="44"/>
        <source>This signifies the lucky numbers for people born under this sign.</source>
        <translation>यह इस राशि में जन्मे लोगों के शुभ अंक बताता है।</translation>
    </message>
    <message>
        <location filename="../core/reading/RashiFields.h" line="45"/>
        <source>Best Direction</source>
        <translation>श्रेष्ठ दिशा</translation>
    </message>
    <message>
        <location filename="../core/reading/RashiFields.h" line="45"/>
        <source>This signifies the lucky directions for people born under this sign.</source>
        <translation>यह इस राशि में जन्मे लोगों के लिए शुभ दिशाएँ बताता है।</translation>
    </message>
    <message>
        <location filename="../core/reading/RashiFields.h" line="46"/>
        <source>Lucky Colors</source>
        <translation>शुभ रंग</translation>
    </message>
    <message>
        <location filename="../core/reading/RashiFields.h" line="46"/>
        <source>This signifies the lucky colors for people born under this sign.</source>
        <translation>यह इस राशि में जन्मे लोगों के शुभ रंग बताता है।</translation>
    </message>
    <message>
        <location filename="../core/reading/RashiFields.h" line="47"/>
        <source>Lucky Gemstone</source>
        <translation>शुभ रत्न</translation>
    </message>
    <message>
        <location filename="../core/reading/RashiFields.h" line="47"/>
        <source>This signifies the lucky gemstones for people born under this sign.</source>
        <translation>यह इस राशि में जन्मे लोगों के शुभ रत्न बताता है।</translation>
    </message>
    <message>
        <location filename="../core/reading/RashiFields.h" line="48"/>
        <source>Part Of The Body</source>
        <translation>शरीर का अंग</translation>
    </message>
    <message>
        <location filename="../core/reading/RashiFields.h" line="48"/>
        <source>This shows the parts of the bodies that the different signs represent.</source>
        <translation>यह बताता है कि कौन-सी राशि शरीर के किस अंग का प्रतिनिधित्व करती है।</translation>
    </message>
    <message>
        <location filename="../core/reading/RashiFields.h" line="49"/>
        <source>Physique</source>
        <translation>कद-काठी</translation>
    </message>
    <message>
        <location filename="../core/reading/RashiFields.h" line="49"/>
        <source>This signifies the general stature of people born under this sign.</source>
        <translation>यह इस राशि में जन्मे लोगों की सामान्य कद-काठी बताता है।</translation>
    </message>
    <message>
        <location filename="../core/reading/RashiFields.h" line="50"/>
        <source>Looks</source>
        <translation>रूप-रंग</translation>
    </message>
    <message>
        <location filename="../core/reading/RashiFields.h" line="50"/>
        <source>This signifies the physical appearance of people born under this sign.</source>
        <translation>यह इस राशि में जन्मे लोगों का बाहरी रूप बताता है।</translation>
    </message>
    <message>
        <location filename="../core/reading/RashiFields.h" line="51"/>
        <source>Nature</source>
        <translation>स्वभाव</translation>
    </message>
    <message>
        <location filename="../core/reading/RashiFields.h" line="51"/>
        <source>This signifies the human nature of people born under this sign.</source>
        <translation>यह इस राशि में जन्मे लोगों का स्वभाव बताता है।</translation>
    </message>
    <message>
        <location filename="../core/reading/RashiFields.h" line="52"/>
        <location filename="../gui/reading/frmResult.cpp" line="122"/>
        <source>Career And Finance</source>
        <translation>व्यवसाय और धन</translation>
    </message>
    <message>
        <location filename="../core/reading/RashiFields.h" line="52"/>
        <source>This shows their career interests and financial habits.</source>
        <translation>यह उनकी व्यवसाय संबंधी रुचियाँ और धन से जुड़ी आदतें बताता है।</translation>
    </message>
    <message>
        <location filename="../core/reading/RashiFields.h" line="53"/>
        <source>Love And Domestic Life</source>
        <translation>प्रेम और गृहस्थ जीवन</translation>
    </message>
    <message>
        <location filename="../core/reading/RashiFields.h" line="54"/>
        <location filename="../gui/reading/frmResult.cpp" line="124"/>
        <source>Health</source>
        <translation>स्वास्थ्य</translation>
    </message>
    <message>
        <location filename="../core/reading/RashiFields.h" line="54"/>
        <source>This signifies the health issues of people born under this rashi.</source>
        <translation>यह इस राशि में जन्मे लोगों की स्वास्थ्य समस्याएँ बताता है।</translation>
    </message>
    <message>
        <location filename="../core/reading/RashiFields.h" line="55"/>
        <source>Compatible With</source>
        <translation>अनुकूल राशियाँ</translation>
    </message>
    <message>
        <location filename="../core/reading/RashiFields.h" line="55"/>
        <source>This signifies the other rashis/ moon signs that are compatible with this sign.</source>
        <translation>यह उन दूसरी राशियों (चंद्र राशियों) को बताता है जो इस राशि के अनुकूल हैं।</translation>
    </message>
    <message>
        <location filename="../core/reading/RashiFields.h" line="56"/>
        <source>Not Compatible With</source>
        <translation>प्रतिकूल राशियाँ</translation>
    </message>
    <message>
        <location filename="../core/reading/RashiFields.h" line="56"/>
        <source>This signifies the other rashis/ moon signs that are not compatible with this sign.</source>
        <translation>यह उन दूसरी राशियों (चंद्र राशियों) को बताता है जो इस राशि के अनुकूल नहीं हैं।</translation>
    </message>
    <message>
        <location filename="../gui/reading/frmResult.cpp" line="103"/>
        <source>Lucky Days for %1</source>
        <extracomment>Captions of the lucky page: %1 the rashi&apos;s name.</extracomment>
        <translation>%1 के लिए शुभ दिन</translation>
    </message>
    <message>
        <location filename="../gui/reading/frmResult.cpp" line="104"/>
        <source>Lucky Numbers for %1</source>
        <translation>%1 के लिए शुभ अंक</translation>
    </message>
    <message>
        <location filename="../gui/reading/frmResult.cpp" line="105"/>
        <source>Best Direction for %1</source>
        <translation>%1 के लिए श्रेष्ठ दिशा</translation>
    </message>
    <message>
        <location filename="../gui/reading/frmResult.cpp" line="106"/>
        <source>Lucky Colors for %1</source>
        <translation>%1 के लिए शुभ रंग</translation>
    </message>
    <message>
        <location filename="../gui/reading/frmResult.cpp" line="107"/>
        <source>Lucky Gemstone for %1</source>
        <translation>%1 के लिए शुभ रत्न</translation>
    </message>
    <message>
        <location filename="../gui/reading/frmResult.cpp" line="108"/>
        <source>Best Period Of Activity for %1</source>
        <translation>%1 के लिए सक्रियता का श्रेष्ठ समय</translation>
    </message>
    <message>
        <location filename="../gui/reading/frmResult.cpp" line="119"/>
        <source>Sign Characteristics</source>
        <translation>राशि की विशेषताएँ</translation>
    </message>
    <message>
        <location filename="../gui/reading/frmResult.cpp" line="120"/>
        <source>Physique And Looks</source>
        <translation>कद-काठी और रूप-रंग</translation>
    </message>
    <message>
        <location filename="../gui/reading/frmResult.cpp" line="121"/>
        <source>Human Nature</source>
        <translation>मानव स्वभाव</translation>
    </message>
    <message>
        <location filename="../gui/reading/frmResult.cpp" line="123"/>
        <source>Love And Compatibility</source>
        <translation>प्रेम और अनुकूलता</translation>
    </message>
    <message>
        <location filename="../gui/reading/frmResult.cpp" line="126"/>
        <source>Lucky for....Rashi</source>
        <extracomment>The lucky page&apos;s tab before a rashi is shown; &quot;Lucky for %1&quot; names the rashi once it is.</extracomment>
        <translation>राशि के लिए शुभ</translation>
    </message>
    <message>
        <location filename="../gui/reading/frmResult.cpp" line="266"/>
        <source>&amp;File</source>
        <translation>फाइल (&amp;F)</translation>
    </message>
    <message>
        <location filename="../gui/reading/frmResult.cpp" line="267"/>
        <location filename="../gui/reading/frmResult.cpp" line="344"/>
        <source>&amp;Back</source>
        <translation>वापस (&amp;B)</translation>
    </message>
    <message>
        <location filename="../gui/reading/frmResult.cpp" line="269"/>
        <location filename="../gui/reading/frmResult.cpp" line="345"/>
        <source>&amp;Save</source>
        <translation>सहेजें (&amp;S)</translation>
    </message>
    <message>
        <location filename="../gui/reading/frmResult.cpp" line="270"/>
        <source>&amp;Match With…</source>
        <translation>दूसरे राशिफल से मिलान करें (&amp;M)…</translation>
    </message>
    <message>
        <location filename="../gui/reading/frmResult.cpp" line="305"/>
        <source>Rashi</source>
        <extracomment>The heading that shows the rashi&apos;s name once the reading is loaded.</extracomment>
        <translation>राशि</translation>
    </message>
    <message>
        <location filename="../gui/reading/frmResult.cpp" line="321"/>
        <source>Shows the page on the birth star</source>
        <translation>जन्म नक्षत्र का पृष्ठ दिखाता है</translation>
    </message>
    <message>
        <location filename="../gui/reading/frmResult.cpp" line="424"/>
        <source>Birth Star</source>
        <translation>जन्म नक्षत्र</translation>
    </message>
    <message>
        <location filename="../gui/reading/frmResult.cpp" line="427"/>
        <source>About Software</source>
        <translation>सॉफ्टवेयर के बारे में</translation>
    </message>
    <message>
        <location filename="../gui/reading/frmResult.cpp" line="430"/>
        <source>Orvanta Online</source>
        <extracomment>A frame around a link to the program&apos;s discussion board; Orvanta is the program&apos;s name.</extracomment>
        <translation>Orvanta ऑनलाइन</translation>
    </message>
    <message>
        <location filename="../gui/reading/frmResult.cpp" line="434"/>
        <source>Questions about your rashi? Ask them on the Orvanta discussion board - click here to visit the site.</source>
        <translation>अपनी राशि के बारे में कोई प्रश्न है? उसे Orvanta चर्चा मंच पर पूछें - साइट पर जाने के लिए यहाँ क्लिक करें।</translation>
    </message>
    <message>
        <location filename="../gui/reading/frmResult.cpp" line="469"/>
        <source>Back</source>
        <extracomment>Page buttons: the previous page of the reading.</extracomment>
        <translation>पिछला</translation>
    </message>
    <message>
        <location filename="../gui/reading/frmResult.cpp" line="475"/>
        <source>Next</source>
        <extracomment>Page buttons: the next page of the reading.</extracomment>
        <translation>अगला</translation>
    </message>
    <message>
        <location filename="../gui/reading/frmResult.cpp" line="511"/>
        <source>Click here to visit our home page: %1</source>
        <extracomment>%1 the program&apos;s web address.</extracomment>
        <translation>हमारे होम पेज पर जाने के लिए यहाँ क्लिक करें: %1</translation>
    </message>
    <message>
        <location filename="../gui/reading/frmResult.cpp" line="539"/>
        <source>Lucky for %1</source>
        <extracomment>The lucky page&apos;s tab: %1 the rashi&apos;s name.</extracomment>
        <translation>%1 के लिए शुभ</translation>
    </message>
</context>
<context>
    <name>orvanta::frmSave</name>
    <message>
        <location filename="../gui/report/frmSave.cpp" line="77"/>
        <source>Talk about your rashi with other readers on the Orvanta discussion board.</source>
        <translation>Orvanta चर्चा मंच पर दूसरे पाठकों के साथ अपनी राशि पर बात करें।</translation>
    </message>
    <message>
        <location filename="../gui/report/ReportView.cpp" line="81"/>
        <source>Report</source>
        <extracomment>What a screen reader calls the report of a reading or of a match.</extracomment>
        <translation>रिपोर्ट</translation>
    </message>
    <message>
        <location filename="../gui/report/ReportView.cpp" line="103"/>
        <source>No Printer Is Available.</source>
        <translation>कोई प्रिंटर उपलब्ध नहीं है।</translation>
    </message>
    <message>
        <location filename="../gui/report/ReportView.cpp" line="107"/>
        <source>The Report Could Not Be Printed.</source>
        <translation>रिपोर्ट प्रिंट नहीं की जा सकी।</translation>
    </message>
    <message>
        <location filename="../gui/report/frmSave.cpp" line="87"/>
        <source>Visit the Orvanta web site now</source>
        <translation>अभी Orvanta की वेबसाइट पर जाएँ</translation>
    </message>
    <message>
        <location filename="../gui/report/frmSave.cpp" line="90"/>
        <source>&amp;Save</source>
        <translation>सहेजें (&amp;S)</translation>
    </message>
    <message>
        <location filename="../gui/report/frmSave.cpp" line="92"/>
        <source>Save as P&amp;DF…</source>
        <translation>PDF के रूप में सहेजें (&amp;D)…</translation>
    </message>
    <message>
        <location filename="../gui/report/frmSave.cpp" line="93"/>
        <source>&amp;Print</source>
        <translation>प्रिंट करें (&amp;P)</translation>
    </message>
    <message>
        <location filename="../gui/report/frmSave.cpp" line="159"/>
        <source>Save Your Rashi Details</source>
        <extracomment>The save dialog&apos;s title, and the name of its one kind of file (a reading, *.ras).</extracomment>
        <translation>अपनी राशि का विवरण सहेजें</translation>
    </message>
    <message>
        <location filename="../gui/report/frmSave.cpp" line="159"/>
        <source>Rich Text Format</source>
        <translation>रिच टेक्स्ट फॉर्मेट</translation>
    </message>
    <message>
        <location filename="../gui/report/frmSave.cpp" line="164"/>
        <source>The Reading Could Not Be Saved.</source>
        <translation>राशिफल सहेजा नहीं जा सका।</translation>
    </message>
    <message>
        <location filename="../gui/report/frmSave.cpp" line="173"/>
        <source>Save the Report as PDF</source>
        <translation>रिपोर्ट को PDF के रूप में सहेजें</translation>
    </message>
    <message>
        <location filename="../gui/report/frmSave.cpp" line="173"/>
        <source>PDF Documents</source>
        <translation>PDF दस्तावेज</translation>
    </message>
    <message>
        <location filename="../gui/report/frmSave.cpp" line="178"/>
        <source>Rashi Reading</source>
        <translation>राशिफल</translation>
    </message>
    <message>
        <location filename="../gui/report/frmSave.cpp" line="178"/>
        <source>Rashi Reading of %1</source>
        <translation>%1 का राशिफल</translation>
    </message>
    <message>
        <location filename="../gui/report/frmSave.cpp" line="180"/>
        <source>The PDF Could Not Be Saved.</source>
        <translation>PDF फाइल सहेजी नहीं जा सकी।</translation>
    </message>
    <message>
        <location filename="../gui/report/frmSave.cpp" line="191"/>
        <source>Save as PDF keeps the report as a file to print elsewhere or to mail.</source>
        <translation>PDF के रूप में सहेजने पर रिपोर्ट एक फाइल बन जाती है, जिसे कहीं और प्रिंट किया या ईमेल से भेजा जा सकता है।</translation>
    </message>
</context>
<context>
    <name>orvanta::frmTimeZone</name>
    <message>
        <location filename="../gui/timezone/frmTimeZone.cpp" line="26"/>
        <source>&amp;Quit</source>
        <translation>बंद करें (&amp;Q)</translation>
    </message>
</context>
</TS>
