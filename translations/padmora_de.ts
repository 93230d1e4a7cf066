<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>CommandLine</name>
    <message>
        <source>Self-assessment of the seven chakras: a chakra test, a chakras tarot and an astrology reading, with a private journal.</source>
        <translation>Selbsteinschätzung der sieben Chakren: ein Chakra-Test, ein Chakra-Tarot und eine astrologische Deutung, mit einem privaten Tagebuch.</translation>
    </message>
    <message>
        <source>Padmora opens its window in a graphical desktop session; it takes no other arguments.</source>
        <translation>Padmora öffnet sein Fenster in einer grafischen Desktop-Sitzung; weitere Argumente nimmt es nicht an.</translation>
    </message>
    <message>
        <source>Shows this help and ends.</source>
        <translation>Zeigt diese Hilfe und beendet das Programm.</translation>
    </message>
    <message>
        <source>Shows the version and ends.</source>
        <translation>Zeigt die Version und beendet das Programm.</translation>
    </message>
    <message>
        <source>padmora: no display found (DISPLAY and WAYLAND_DISPLAY are unset); start Padmora from a graphical desktop session.</source>
        <translation>padmora: keine Anzeige gefunden (DISPLAY und WAYLAND_DISPLAY sind nicht gesetzt); starten Sie Padmora aus einer grafischen Desktop-Sitzung.</translation>
    </message>
</context>
<context>
    <name>Desktop</name>
    <message>
        <source>&amp;Try Again</source>
        <translation>&amp;Erneut versuchen</translation>
    </message>
</context>
<context>
    <name>Exchange</name>
    <message>
        <source>&quot;%1&quot; is no id of the form 3f2b8c1e-9a4d-4e7f-b0c2-5d6e7f8a9b0c</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a lone surrogate %1 at line %2, column %3 is no character</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it is not whole, well-formed JSON (%1 at line %2, column %3)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>its &quot;practices&quot; are not a list</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>practice %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>not an object</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it is %1; a journal file holds at most %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it is larger than %1, the most a journal file holds</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is before %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is more than a day after now</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 s from UTC is more than %2 hours</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>chakra %1 does not exist (chakras are 0 to 6)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is not 0 (open-ended) to %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is not 0 to %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 s in and %2 s out is no pace (1 to 60 s each)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Farewell</name>
    <message>
        <source>Padmora stays free thanks to the people of the Padmora forum. Please visit the forum regularly and take part in its discussions.</source>
        <translation>Padmora bleibt kostenlos dank der Menschen im Padmora-Forum. Bitte besuchen Sie das Forum regelmäßig und beteiligen Sie sich an seinen Diskussionen.</translation>
    </message>
    <message>
        <source>Every question asked and every answer given on the Padmora forum keeps this software alive. Drop by often and join in.</source>
        <translation>Jede Frage und jede Antwort im Padmora-Forum hält diese Software lebendig. Schauen Sie oft vorbei und machen Sie mit.</translation>
    </message>
    <message>
        <source>Padmora is made possible by its forum community. Support it by visiting regularly and sharing your own experience of the chakras.</source>
        <translation>Padmora wird von der Gemeinschaft seines Forums getragen. Unterstützen Sie sie, indem Sie regelmäßig vorbeischauen und Ihre eigenen Erfahrungen mit den Chakren teilen.</translation>
    </message>
    <message>
        <source>The Padmora forum is where this software grows. Visit it often, read along and add your voice to the discussions.</source>
        <translation>Im Padmora-Forum wächst diese Software. Besuchen Sie es oft, lesen Sie mit und bringen Sie Ihre Stimme in die Diskussionen ein.</translation>
    </message>
</context>
<context>
    <name>Journal</name>
    <message>
        <source>Make room on the disk, then try again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This practice could not be kept in your journal: %1.<byte value="xd"/>
The journal file: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Practice</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 min, open-ended</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 of %2 min</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>completed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>stopped</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 min</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>in the week</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it is a database of another program (it holds the table &quot;%1&quot;)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it is a database of another program (its version is %1)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it is no Padmora journal: it says it is of version %1, but it has no table &quot;%2&quot;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it is no Padmora journal: its table &quot;%1&quot; has no column &quot;%2&quot;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the file is damaged (%1)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>its folder %1 cannot be made</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The journal cannot be used: %1. It is left as it is; you can move it aside and start a new journal. The file: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 min in the week of %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>practised %1; last practised on %2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Menus</name>
    <message>
        <source>Co-brand this software for your site.  Increase loyalty and traffic to your site. Put your site&apos;s name &amp;&amp;  link here. See &quot;Help&quot; for details.    Click Here for more info on co-branding.</source>
        <extracomment>The doubled ampersand shows as one; keep it doubled.</extracomment>
        <translation>Versehen Sie diese Software mit der Marke Ihrer Website. Gewinnen Sie treue Besucher und mehr Zugriffe. Setzen Sie hier den Namen &amp;&amp; Link Ihrer Website ein. Einzelheiten finden Sie unter „Hilfe“. Klicken Sie hier für mehr über das Co-Branding.</translation>
    </message>
    <message>
        <source>Home Business Opportunity. Start your own Internet business and make money online. Get this software fully branded for your website. Click here for more details.</source>
        <translation>Geschäftsidee für zu Hause: Gründen Sie Ihr eigenes Internetgeschäft und verdienen Sie online Geld. Erhalten Sie diese Software ganz mit der Marke Ihrer Website. Klicken Sie hier für weitere Einzelheiten.</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>&amp;Online Help</source>
        <translation>&amp;Online-Hilfe</translation>
    </message>
    <message>
        <source>&amp;Visit us Online</source>
        <translation>&amp;Besuchen Sie uns online</translation>
    </message>
    <message>
        <source>&amp;Visit Us Online</source>
        <translation>&amp;Besuchen Sie uns online</translation>
    </message>
    <message>
        <source>&amp;Check for Software Update</source>
        <translation>&amp;Nach Software-Updates suchen</translation>
    </message>
    <message>
        <source>Check for Software &amp;Update</source>
        <translation>Nach Software-&amp;Updates suchen</translation>
    </message>
    <message>
        <source>&amp;About Software</source>
        <translation>&amp;Über die Software</translation>
    </message>
    <message>
        <source>&amp;Make Money Online</source>
        <translation>&amp;Geld online verdienen</translation>
    </message>
    <message>
        <source>Make Money &amp;Online</source>
        <translation>Geld &amp;online verdienen</translation>
    </message>
    <message>
        <source>Chakras, tarot and astrology explained: visit the Padmora forum at %1</source>
        <extracomment>%1 is the forum&apos;s host name.</extracomment>
        <translation>Chakren, Tarot und Astrologie erklärt: Besuchen Sie das Padmora-Forum unter %1</translation>
    </message>
</context>
<context>
    <name>Modules</name>
    <message>
        <source>(it implements %1, not %2)</source>
        <translation>(es implementiert %1, nicht %2)</translation>
    </message>
    <message>
        <source>its object does not implement %1</source>
        <translation>sein Objekt implementiert %1 nicht</translation>
    </message>
    <message>
        <source>%1 cannot be loaded (%2)</source>
        <extracomment>%1 is the module&apos;s file, %2 why the loader refused it.</extracomment>
        <translation>%1 kann nicht geladen werden (%2)</translation>
    </message>
    <message>
        <source>%1 belongs to another version of Padmora</source>
        <extracomment>%1 is the module&apos;s file.</extracomment>
        <translation>%1 gehört zu einer anderen Version von Padmora</translation>
    </message>
</context>
<context>
    <name>Practice</name>
    <message numerus="yes">
        <source>there is no bell of %n strikes</source>
        <translation>
            <numerusform>es gibt keinen Klang mit %n Schlag</numerusform>
            <numerusform>es gibt keinen Klang mit %n Schlägen</numerusform>
        </translation>
    </message>
    <message>
        <source>there is no audio device to ring the bells on</source>
        <translation>es gibt kein Audiogerät, auf dem die Klänge erklingen können</translation>
    </message>
    <message>
        <source>the bells cannot be played on %1</source>
        <translation>die Klänge können auf %1 nicht abgespielt werden</translation>
    </message>
    <message>
        <source>no speech engine is installed</source>
        <translation>es ist keine Sprachausgabe installiert</translation>
    </message>
    <message>
        <source>the speech engine does not answer</source>
        <translation>die Sprachausgabe antwortet nicht</translation>
    </message>
    <message>
        <source>the speech engine does not answer (%1)</source>
        <translation>die Sprachausgabe antwortet nicht (%1)</translation>
    </message>
    <message>
        <source>the speech engine has no voice</source>
        <translation>die Sprachausgabe hat keine Stimme</translation>
    </message>
    <message>
        <source>the speech engine cannot be started</source>
        <translation>die Sprachausgabe kann nicht gestartet werden</translation>
    </message>
    <message>
        <source>Practise a &amp;Chakra</source>
        <translation>&amp;Chakra üben</translation>
    </message>
</context>
<context>
    <name>Printing</name>
    <message>
        <source>the name is too long for the file system</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 already exists. Do you want to replace it?</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Shell</name>
    <message>
        <source>My &amp;Readings…</source>
        <translation>Meine &amp;Deutungen…</translation>
    </message>
    <message>
        <source>Keep a &amp;Journal of My Readings</source>
        <translation>&amp;Tagebuch meiner Deutungen führen</translation>
    </message>
</context>
<context>
    <name>Startup</name>
    <message>
        <source>Application is already running</source>
        <translation>Das Programm läuft bereits</translation>
    </message>
    <message>
        <source>There maybe an update to this software available</source>
        <translation>Für diese Software gibt es möglicherweise eine neuere Version</translation>
    </message>
    <message>
        <source>Do you want to check for an update?</source>
        <translation>Möchten Sie nach einer neueren Version suchen?</translation>
    </message>
</context>
<context>
    <name>TellAFriend</name>
    <message>
        <source>Your Name</source>
        <translation>Ihr Name</translation>
    </message>
    <message>
        <source>Your Email Address</source>
        <translation>Ihre E-Mail-Adresse</translation>
    </message>
    <message>
        <source>Your Message</source>
        <translation>Ihre Nachricht</translation>
    </message>
    <message>
        <source>Friend&apos;s Name</source>
        <translation>Name Ihres Freundes</translation>
    </message>
    <message>
        <source>Friend&apos;s Email Address</source>
        <translation>E-Mail-Adresse Ihres Freundes</translation>
    </message>
    <message>
        <source>Email Address Cannot Contain Space</source>
        <translation>Eine E-Mail-Adresse darf keine Leerzeichen enthalten</translation>
    </message>
    <message>
        <source>Please Enter Distinct Email Addresses</source>
        <translation>Bitte geben Sie zwei verschiedene E-Mail-Adressen ein</translation>
    </message>
    <message>
        <source>Please Enter Proper Email Address</source>
        <translation>Bitte geben Sie eine gültige E-Mail-Adresse ein</translation>
    </message>
    <message>
        <source>Please Enter Your Name</source>
        <translation>Bitte geben Sie Ihren Namen ein</translation>
    </message>
    <message>
        <source>Please Enter Your Email</source>
        <translation>Bitte geben Sie Ihre E-Mail-Adresse ein</translation>
    </message>
    <message>
        <source>Please Enter Your Message</source>
        <translation>Bitte geben Sie Ihre Nachricht ein</translation>
    </message>
    <message>
        <source>Please Enter Your Friend&apos;s Name</source>
        <translation>Bitte geben Sie den Namen Ihres Freundes ein</translation>
    </message>
    <message>
        <source>Please Enter Your Friend&apos;s Email</source>
        <translation>Bitte geben Sie die E-Mail-Adresse Ihres Freundes ein</translation>
    </message>
</context>
<context>
    <name>Welcome</name>
    <message>
        <source>the %1 Chakra</source>
        <translation>das %1</translation>
    </message>
    <message>
        <source>the %1 and %2 Chakras</source>
        <translation>die Chakren %1 und %2</translation>
    </message>
    <message>
        <source>, </source>
        <translation>, </translation>
    </message>
    <message>
        <source>Your last reading, on %1, found every chakra it looked at open.</source>
        <translation>Ihre letzte Deutung vom %1 fand jedes untersuchte Chakra offen.</translation>
    </message>
    <message>
        <source>Your last reading, on %1, found %2 not open.</source>
        <translation>Ihre letzte Deutung vom %1 fand %2 nicht offen.</translation>
    </message>
    <message>
        <source>Re&amp;mind Me to Retake the Test</source>
        <translation>E&amp;rinnerung an einen neuen Test</translation>
    </message>
    <message>
        <source>After %1 Days</source>
        <translation>Nach %1 Tagen</translation>
    </message>
    <message>
        <source>&amp;Off</source>
        <translation>&amp;Aus</translation>
    </message>
    <message>
        <source>It is %1 days since your last chakra test. You may take it again from the welcome panel whenever you wish.</source>
        <translation>Ihr letzter Chakra-Test liegt %1 Tage zurück. Sie können ihn jederzeit auf der Begrüßungsseite erneut machen.</translation>
    </message>
    <message>
        <source>Welcome to Padmora</source>
        <translation>Willkommen bei Padmora</translation>
    </message>
    <message>
        <source>Welcome to the Padmora! Know more about your Vovuvev Avoverazi &amp; Tarot and understand yourself better. Just enter the required details and get an instant reading.</source>
        <translation>Willkommen bei Padmora! Erfahren Sie mehr über Ihr Vovuvev Avoverazi &amp; Tarot und verstehen Sie sich selbst besser. Geben Sie einfach die nötigen Angaben ein und erhalten Sie sofort Ihre Deutung.</translation>
    </message>
    <message>
        <source>Padmora includes the following programs</source>
        <translation>Padmora enthält die folgenden Programme</translation>
    </message>
</context>
<context>
    <name>padmora::AboutBox</name>
    <message>
        <source>Padmora logo</source>
        <translation>Padmora-Logo</translation>
    </message>
    <message>
        <source>Padmora is an unique attempt to combine the different worlds of Chakras, Tarot and Astrology. This includes chakras reading, chakras astrology, and chakras tarot. Chakras have a deep effect on our lives in some way or the other. Knowing how we can take care of our under active or over active chakras will help us evolve into better people. Copyright © The Padmora developers. Padmora is free software under the GNU General Public License, version 3 or later.</source>
        <extracomment>The copyright sign stays.</extracomment>
        <translation>Padmora ist ein einzigartiger Versuch, die verschiedenen Welten der Chakren, des Tarots und der Astrologie zu verbinden. Dazu gehören der Chakra-Test, die Chakra-Astrologie und das Chakra-Tarot. Die Chakren wirken auf die eine oder andere Weise tief in unser Leben hinein. Zu wissen, wie wir für unsere unteraktiven oder überaktiven Chakren sorgen können, hilft uns, zu besseren Menschen zu werden. Copyright © Die Padmora-Entwickler. Padmora ist freie Software unter der GNU General Public License, Version 3 oder später.</translation>
    </message>
    <message>
        <source>Home Business Opportunity. Start your own Internet business and make money online. Get this software fully branded for your website.</source>
        <translation>Geschäftsidee für zu Hause: Gründen Sie Ihr eigenes Internetgeschäft und verdienen Sie online Geld. Erhalten Sie diese Software ganz mit der Marke Ihrer Website.</translation>
    </message>
    <message>
        <source>Click here for more details.</source>
        <translation>Klicken Sie hier für weitere Einzelheiten.</translation>
    </message>
    <message>
        <source>Visit the Padmora forum: %1</source>
        <extracomment>%1 is the forum&apos;s web address.</extracomment>
        <translation>Besuchen Sie das Padmora-Forum: %1</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
</context>
<context>
    <name>padmora::FarewellScreen</name>
    <message>
        <source>Padmora logo</source>
        <translation>Padmora-Logo</translation>
    </message>
    <message>
        <source>More from the makers of Padmora</source>
        <translation>Mehr von den Machern von Padmora</translation>
    </message>
    <message>
        <source>Padmora is one of a family of programs for body, mind and spirit. Have a look at what else its makers have built for you.</source>
        <translation>Padmora gehört zu einer Familie von Programmen für Körper, Geist und Seele. Sehen Sie sich an, was seine Macher noch für Sie geschaffen haben.</translation>
    </message>
    <message>
        <source>Click here to see our other programs</source>
        <translation>Klicken Sie hier, um unsere anderen Programme zu sehen</translation>
    </message>
    <message>
        <source>Refer A Friend</source>
        <translation>Einem Freund empfehlen</translation>
    </message>
    <message>
        <source>Refer A Friend &amp;Now</source>
        <translation>Jetzt &amp;weiterempfehlen</translation>
    </message>
    <message>
        <source>Take me to the Padmora forum home page</source>
        <translation>Zur Startseite des Padmora-Forums gehen</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Beenden</translation>
    </message>
</context>
<context>
    <name>padmora::JournalScreen</name>
    <message>
        <source>&amp;Practise…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Practise the chakras of the chosen entry</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>padmora::MainWindow</name>
    <message>
        <source>Practise them</source>
        <translation>Diese Chakren üben</translation>
    </message>
    <message>
        <source>Take the test again</source>
        <translation>Den Test erneut machen</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>Padmora banner</source>
        <translation>Padmora-Banner</translation>
    </message>
    <message>
        <source>Programs</source>
        <translation>Programme</translation>
    </message>
    <message>
        <source>Welcome</source>
        <translation>Willkommen</translation>
    </message>
    <message>
        <source>Co-branding bar</source>
        <translation>Co-Branding-Leiste</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>&amp;Beenden</translation>
    </message>
</context>
<context>
    <name>padmora::PracticeScreen</name>
    <message>
        <source>Practice</source>
        <translation>Übung</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>Sc&amp;hließen</translation>
    </message>
    <message>
        <source>Chakra</source>
        <translation>Chakra</translation>
    </message>
    <message>
        <source>Ch&amp;akra:</source>
        <translation>Ch&amp;akra:</translation>
    </message>
    <message>
        <source>Steps of the exercise</source>
        <translation>Schritte der Übung</translation>
    </message>
    <message>
        <source>P&amp;revious Step</source>
        <translation>&amp;Vorheriger Schritt</translation>
    </message>
    <message>
        <source>Ne&amp;xt Step</source>
        <translation>&amp;Nächster Schritt</translation>
    </message>
    <message>
        <source>Sho&amp;w all steps at once</source>
        <translation>Alle Schritte auf einmal &amp;zeigen</translation>
    </message>
    <message>
        <source>Length</source>
        <translation>Länge</translation>
    </message>
    <message numerus="yes">
        <source>%n minutes</source>
        <translation>
            <numerusform>%n Minute</numerusform>
            <numerusform>%n Minuten</numerusform>
        </translation>
    </message>
    <message>
        <source>Other</source>
        <translation>Andere</translation>
    </message>
    <message>
        <source>Open-ended</source>
        <translation>Ohne Ende</translation>
    </message>
    <message>
        <source>&amp;Length:</source>
        <translation>&amp;Länge:</translation>
    </message>
    <message>
        <source>Minutes</source>
        <translation>Minuten</translation>
    </message>
    <message>
        <source> min</source>
        <translation> Min.</translation>
    </message>
    <message>
        <source>Preparation</source>
        <translation>Vorbereitung</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Keine</translation>
    </message>
    <message>
        <source>1 minute</source>
        <translation>1 Minute</translation>
    </message>
    <message numerus="yes">
        <source>%n seconds</source>
        <translation>
            <numerusform>%n Sekunde</numerusform>
            <numerusform>%n Sekunden</numerusform>
        </translation>
    </message>
    <message>
        <source>&amp;Preparation:</source>
        <translation>V&amp;orbereitung:</translation>
    </message>
    <message>
        <source>Interval bells</source>
        <translation>Klänge in Abständen</translation>
    </message>
    <message>
        <source>Every minute</source>
        <translation>Jede Minute</translation>
    </message>
    <message numerus="yes">
        <source>Every %n minutes</source>
        <translation>
            <numerusform>Jede Minute</numerusform>
            <numerusform>Alle %n Minuten</numerusform>
        </translation>
    </message>
    <message>
        <source>&amp;Interval bells:</source>
        <translation>&amp;Intervallklänge:</translation>
    </message>
    <message>
        <source>No soun&amp;d</source>
        <translation>Kein &amp;Ton</translation>
    </message>
    <message>
        <source>Volume</source>
        <translation>Lautstärke</translation>
    </message>
    <message>
        <source>&amp;Volume:</source>
        <translation>Lautst&amp;ärke:</translation>
    </message>
    <message>
        <source>Chanting pace</source>
        <translation>Tempo des Tönens</translation>
    </message>
    <message>
        <source>Breathe in %1 s, chant %2 s</source>
        <extracomment>%1 and %2 are seconds of breathing in and of chanting.</extracomment>
        <translation>%1 s einatmen, %2 s tönen</translation>
    </message>
    <message>
        <source>Your own</source>
        <translation>Eigenes</translation>
    </message>
    <message>
        <source>Chantin&amp;g pace:</source>
        <translation>Tempo &amp;des Tönens:</translation>
    </message>
    <message>
        <source>Breathe in, seconds</source>
        <translation>Einatmen, Sekunden</translation>
    </message>
    <message>
        <source> s</source>
        <translation> s</translation>
    </message>
    <message>
        <source>&amp;Breathe in:</source>
        <translation>&amp;Einatmen:</translation>
    </message>
    <message>
        <source>Chant, seconds</source>
        <translation>Tönen, Sekunden</translation>
    </message>
    <message>
        <source>Cha&amp;nt:</source>
        <translation>T&amp;önen:</translation>
    </message>
    <message>
        <source>R&amp;ead aloud</source>
        <translation>Laut vo&amp;rlesen</translation>
    </message>
    <message>
        <source>Less &amp;motion</source>
        <translation>Weniger &amp;Bewegung</translation>
    </message>
    <message>
        <source>Time left</source>
        <translation>Verbleibende Zeit</translation>
    </message>
    <message>
        <source>Breathing shape</source>
        <translation>Atemform</translation>
    </message>
    <message>
        <source>What is missing</source>
        <translation>Was fehlt</translation>
    </message>
    <message>
        <source>S&amp;tart</source>
        <translation>&amp;Starten</translation>
    </message>
    <message>
        <source>Pa&amp;use</source>
        <translation>Pa&amp;use</translation>
    </message>
    <message>
        <source>&amp;Stop</source>
        <translation>Sto&amp;pp</translation>
    </message>
    <message>
        <source>Next Cha&amp;kra</source>
        <translation>Nächstes Cha&amp;kra</translation>
    </message>
    <message>
        <source>Chakra %1 of %2 in this sitting</source>
        <extracomment>%1 is the place of the chakra shown in the sitting, %2 how many chakras it holds.</extracomment>
        <translation>Chakra %1 von %2 in dieser Übungseinheit</translation>
    </message>
    <message>
        <source>Step %1 of %2</source>
        <translation>Schritt %1 von %2</translation>
    </message>
    <message>
        <source>Ready to start</source>
        <translation>Bereit zum Start</translation>
    </message>
    <message>
        <source>Get ready</source>
        <translation>Bereiten Sie sich vor</translation>
    </message>
    <message>
        <source>Breathe in</source>
        <extracomment>%1 is the chakra&apos;s sound, as written in its exercise (LAM, VAM, ...).</extracomment>
        <translation>Einatmen</translation>
    </message>
    <message>
        <source>Chant %1</source>
        <translation>%1 tönen</translation>
    </message>
    <message>
        <source>Paused</source>
        <translation>Angehalten</translation>
    </message>
    <message>
        <source>Completed</source>
        <translation>Abgeschlossen</translation>
    </message>
    <message>
        <source>Stopped</source>
        <translation>Gestoppt</translation>
    </message>
    <message>
        <source>Preparation left</source>
        <translation>Verbleibende Vorbereitung</translation>
    </message>
    <message>
        <source>Time practised</source>
        <translation>Geübte Zeit</translation>
    </message>
    <message>
        <source>1 second</source>
        <translation>1 Sekunde</translation>
    </message>
    <message>
        <source>Session: %1</source>
        <extracomment>%1 is the phase word (&quot;Breathe in&quot;, &quot;Paused&quot;, ...).</extracomment>
        <translation>Übungseinheit: %1</translation>
    </message>
    <message>
        <source>Res&amp;ume</source>
        <translation>&amp;Fortsetzen</translation>
    </message>
    <message>
        <source>No bell can be rung: %1. The practice goes on in silence.</source>
        <translation>Es kann kein Klang erklingen: %1. Die Übung geht in Stille weiter.</translation>
    </message>
    <message>
        <source>Nothing can be read aloud: %1. The practice goes on unspoken.</source>
        <translation>Es kann nichts vorgelesen werden: %1. Die Übung geht ohne Sprache weiter.</translation>
    </message>
    <message>
        <source>The sitting is done.</source>
        <translation>Die Übungseinheit ist beendet.</translation>
    </message>
</context>
<context>
    <name>padmora::PrintMenu</name>
    <message>
        <source>&amp;Print…</source>
        <translation>Dr&amp;ucken…</translation>
    </message>
    <message>
        <source>Print Pre&amp;view…</source>
        <translation>Druck&amp;vorschau…</translation>
    </message>
    <message>
        <source>Save as &amp;PDF…</source>
        <translation>Als &amp;PDF speichern…</translation>
    </message>
</context>
<context>
    <name>padmora::ResultScreen</name>
    <message>
        <source>&amp;Practise…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A guided practice of the exercise of each chakra that is not open</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
