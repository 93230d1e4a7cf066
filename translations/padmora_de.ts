<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>Desktop</name>
    <message>
        <source>&amp;Try Again</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Exchange</name>
    <message>
        <source>&quot;%1&quot; is no id of the form 3f2b8c1e-9a4d-4e7f-b0c2-5d6e7f8a9b0c</source>
        <translation>„%1“ ist keine ID der Form 3f2b8c1e-9a4d-4e7f-b0c2-5d6e7f8a9b0c</translation>
    </message>
    <message>
        <source>a lone surrogate %1 at line %2, column %3 is no character</source>
        <translation>ein einzelnes Ersatzzeichen %1 in Zeile %2, Spalte %3 ist kein Zeichen</translation>
    </message>
    <message>
        <source>it is not whole, well-formed JSON (%1 at line %2, column %3)</source>
        <translation>die Datei ist kein vollständiges, wohlgeformtes JSON (%1 in Zeile %2, Spalte %3)</translation>
    </message>
    <message>
        <source>its &quot;practices&quot; are not a list</source>
        <translation>ihr Feld „practices“ ist keine Liste</translation>
    </message>
    <message>
        <source>practice %1</source>
        <translation>Übung %1</translation>
    </message>
    <message>
        <source>not an object</source>
        <translation>kein Objekt</translation>
    </message>
    <message>
        <source>it is %1; a journal file holds at most %2</source>
        <translation>die Datei ist %1 groß; eine Tagebuchdatei fasst höchstens %2</translation>
    </message>
    <message>
        <source>it is larger than %1, the most a journal file holds</source>
        <translation>die Datei ist größer als %1, das Höchstmaß einer Tagebuchdatei</translation>
    </message>
    <message>
        <source>%1 is before %2</source>
        <translation>%1 liegt vor %2</translation>
    </message>
    <message>
        <source>%1 is more than a day after now</source>
        <translation>%1 liegt mehr als einen Tag in der Zukunft</translation>
    </message>
    <message>
        <source>%1 s from UTC is more than %2 hours</source>
        <translation>%1 s Abstand zu UTC sind mehr als %2 Stunden</translation>
    </message>
    <message>
        <source>chakra %1 does not exist (chakras are 0 to 6)</source>
        <translation>Chakra %1 gibt es nicht (die Chakren sind 0 bis 6)</translation>
    </message>
    <message>
        <source>%1 is not 0 (open-ended) to %2</source>
        <translation>%1 liegt nicht zwischen 0 (ohne festes Ende) und %2</translation>
    </message>
    <message>
        <source>%1 is not 0 to %2</source>
        <translation>%1 liegt nicht zwischen 0 und %2</translation>
    </message>
    <message>
        <source>%1 s in and %2 s out is no pace (1 to 60 s each)</source>
        <translation>%1 s Einatmen und %2 s Ausatmen ergeben keinen Rhythmus (je 1 bis 60 s)</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is no time of the form 2026-12-08T09:30:00.000Z</source>
        <translation>„%1“ ist keine Zeit der Form 2026-12-08T09:30:00.000Z</translation>
    </message>
    <message>
        <source>missing</source>
        <translation>fehlt</translation>
    </message>
    <message>
        <source>not true or false</source>
        <translation>weder true noch false</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is no program; a program is &quot;test&quot;, &quot;tarot&quot; or &quot;astrology&quot;</source>
        <translation>„%1“ ist kein Programm; ein Programm ist „test“, „tarot“ oder „astrology“</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is no date of the form 1980-07-23</source>
        <translation>„%1“ ist kein Datum der Form 1980-07-23</translation>
    </message>
    <message>
        <source>a question number is a whole number</source>
        <translation>eine Fragennummer ist eine ganze Zahl</translation>
    </message>
    <message>
        <source>an answer is a text</source>
        <translation>eine Antwort ist ein Text</translation>
    </message>
    <message>
        <source>each score is {&quot;chakra&quot;: 0 to 6, &quot;score&quot;: 0 to 8}</source>
        <translation>jeder Wert ist {&quot;chakra&quot;: 0 bis 6, &quot;score&quot;: 0 bis 8}</translation>
    </message>
    <message>
        <source>the %1 has two scores</source>
        <translation>das %1 hat zwei Werte</translation>
    </message>
    <message>
        <source>the score of the %1 is %2; a score is 0 to 8</source>
        <translation>der Wert für das %1 ist %2; ein Wert liegt zwischen 0 und 8</translation>
    </message>
    <message>
        <source>each card is {&quot;chakra&quot;: 0 to 6, &quot;slot&quot;: 0 to 8, &quot;card&quot;: its name}</source>
        <translation>jede Karte ist {&quot;chakra&quot;: 0 bis 6, &quot;slot&quot;: 0 bis 8, &quot;card&quot;: ihr Name}</translation>
    </message>
    <message>
        <source>a chakra test shows no tarot cards</source>
        <translation>ein Chakra-Test zeigt keine Tarotkarten</translation>
    </message>
    <message>
        <source>not a text</source>
        <translation>kein Text</translation>
    </message>
    <message>
        <source>not a whole number</source>
        <translation>keine ganze Zahl</translation>
    </message>
    <message>
        <source>not a list</source>
        <translation>keine Liste</translation>
    </message>
    <message>
        <source>entry %1, </source>
        <translation>Eintrag %1, </translation>
    </message>
    <message>
        <source>it is no Padmora journal (its &quot;format&quot; is not &quot;%1&quot;)</source>
        <translation>die Datei ist kein Padmora-Tagebuch (ihr „format“ ist nicht „%1“)</translation>
    </message>
    <message>
        <source>its &quot;version&quot; is missing or no version number</source>
        <translation>ihre „version“ fehlt oder ist keine Versionsnummer</translation>
    </message>
    <message>
        <source>it is of format version %1, newer than this Padmora reads (up to version %2)</source>
        <translation>die Datei hat die Formatversion %1, neuer als diese Padmora-Version liest (bis Version %2)</translation>
    </message>
    <message>
        <source>its &quot;entries&quot; are missing or not a list</source>
        <translation>ihre „entries“ fehlen oder sind keine Liste</translation>
    </message>
    <message>
        <source>entry %1</source>
        <translation>Eintrag %1</translation>
    </message>
    <message>
        <source>the time it was taken is missing or no time</source>
        <translation>der Zeitpunkt der Aufnahme fehlt oder ist keine Zeit</translation>
    </message>
    <message>
        <source>the note is %1 characters long; a note holds at most %2</source>
        <translation>die Notiz ist %1 Zeichen lang; eine Notiz fasst höchstens %2</translation>
    </message>
    <message>
        <source>the birth date is missing or no date</source>
        <translation>das Geburtsdatum fehlt oder ist kein Datum</translation>
    </message>
    <message>
        <source>the birth year %1 is outside %2 to %3</source>
        <translation>das Geburtsjahr %1 liegt außerhalb von %2 bis %3</translation>
    </message>
    <message>
        <source>the sign &quot;%1&quot; is not the sun sign of %2 (%3)</source>
        <translation>das Zeichen „%1“ ist nicht das Sonnenzeichen zum %2 (%3)</translation>
    </message>
    <message>
        <source>the ruling planet &quot;%1&quot; is not that of %2</source>
        <translation>der herrschende Planet „%1“ ist nicht der von %2</translation>
    </message>
    <message>
        <source>the chakra &quot;%1&quot; is not that of %2</source>
        <translation>das Chakra „%1“ ist nicht das von %2</translation>
    </message>
    <message>
        <source>no chakra is ticked</source>
        <translation>kein Chakra ist angekreuzt</translation>
    </message>
    <message>
        <source>%1 questions for %2 ticked chakras; each chakra has %3</source>
        <translation>%1 Fragen für %2 angekreuzte Chakren; jedes Chakra hat %3</translation>
    </message>
    <message>
        <source>%1 answers to %2 questions</source>
        <translation>%1 Antworten auf %2 Fragen</translation>
    </message>
    <message>
        <source>question %1 does not exist (questions are 0 to %2)</source>
        <translation>Frage %1 gibt es nicht (die Fragen sind 0 bis %2)</translation>
    </message>
    <message>
        <source>question %1 belongs to the %2, which is not ticked</source>
        <translation>Frage %1 gehört zum %2, das nicht angekreuzt ist</translation>
    </message>
    <message>
        <source>question %1 is asked twice</source>
        <translation>Frage %1 wird zweimal gestellt</translation>
    </message>
    <message>
        <source>answer %1 is &quot;%2&quot;; an answer is &quot;Yes&quot;, &quot;No&quot; or &quot;Not Sure&quot;</source>
        <translation>Antwort %1 ist „%2“; eine Antwort ist „Yes“, „No“ oder „Not Sure“</translation>
    </message>
    <message>
        <source>the score of the %1 is %2, but its answers give %3</source>
        <translation>der Wert für das %1 ist %2, seine Antworten ergeben aber %3</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is no card of slot %2</source>
        <translation>„%1“ ist keine Karte des Platzes %2</translation>
    </message>
    <message>
        <source>the cards are not those that its scores show</source>
        <translation>die Karten sind nicht die, die seine Werte zeigen</translation>
    </message>
</context>
<context>
    <name>Journal</name>
    <message>
        <source>Make room on the disk, then try again.</source>
        <translation>Schaffen Sie Platz auf dem Datenträger und versuchen Sie es dann erneut.</translation>
    </message>
    <message>
        <source>This practice could not be kept in your journal: %1.<byte value="xd"/>
The journal file: %2</source>
        <translation>Diese Übung konnte nicht in Ihrem Tagebuch festgehalten werden: %1.<byte value="xd"/>
Die Tagebuchdatei: %2</translation>
    </message>
    <message>
        <source>Practice</source>
        <translation>Übung</translation>
    </message>
    <message>
        <source>%1 min, open-ended</source>
        <translation>%1 min, ohne festes Ende</translation>
    </message>
    <message>
        <source>%1 of %2 min</source>
        <translation>%1 von %2 min</translation>
    </message>
    <message>
        <source>completed</source>
        <translation>vollendet</translation>
    </message>
    <message>
        <source>stopped</source>
        <translation>abgebrochen</translation>
    </message>
    <message>
        <source>%1 min</source>
        <translation>%1 min</translation>
    </message>
    <message>
        <source>in the week</source>
        <translation>in der Woche</translation>
    </message>
    <message>
        <source>it is a database of another program (it holds the table &quot;%1&quot;)</source>
        <translation>es ist die Datenbank eines anderen Programms (es enthält die Tabelle „%1“)</translation>
    </message>
    <message>
        <source>it is a database of another program (its version is %1)</source>
        <translation>es ist die Datenbank eines anderen Programms (ihre Version ist %1)</translation>
    </message>
    <message>
        <source>it is no Padmora journal: it says it is of version %1, but it has no table &quot;%2&quot;</source>
        <translation>es ist kein Padmora-Tagebuch: es gibt Version %1 an, hat aber keine Tabelle „%2“</translation>
    </message>
    <message>
        <source>it is no Padmora journal: its table &quot;%1&quot; has no column &quot;%2&quot;</source>
        <translation>es ist kein Padmora-Tagebuch: seiner Tabelle „%1“ fehlt die Spalte „%2“</translation>
    </message>
    <message>
        <source>the file is damaged (%1)</source>
        <translation>die Datei ist beschädigt (%1)</translation>
    </message>
    <message>
        <source>its folder %1 cannot be made</source>
        <translation>sein Ordner %1 kann nicht angelegt werden</translation>
    </message>
    <message>
        <source>The journal cannot be used: %1. It is left as it is; you can move it aside and start a new journal. The file: %2</source>
        <translation>Das Tagebuch kann nicht verwendet werden: %1. Es bleibt, wie es ist; Sie können es beiseitelegen und ein neues Tagebuch beginnen. Die Datei: %2</translation>
    </message>
    <message>
        <source>%1 min in the week of %2</source>
        <translation>%1 min in der Woche vom %2</translation>
    </message>
    <message>
        <source>practised %1; last practised on %2</source>
        <translation>geübt: %1; zuletzt geübt am %2</translation>
    </message>
    <message>
        <source>This reading could not be kept in your journal: %1.<byte value="xd"/>
The journal file: %2<byte value="xd"/>
The reading itself stays on the screen.</source>
        <extracomment>%1 is why (a sentence without its full stop), %2 the journal file.</extracomment>
        <translation>Diese Deutung konnte nicht in Ihrem Tagebuch festgehalten werden: %1.<byte value="xd"/>
Die Tagebuchdatei: %2<byte value="xd"/>
Die Deutung selbst bleibt auf dem Bildschirm.</translation>
    </message>
    <message>
        <source>Root</source>
        <translation>Wurzel</translation>
    </message>
    <message>
        <source>Sacral</source>
        <translation>Sakral</translation>
    </message>
    <message>
        <source>Navel</source>
        <translation>Nabel</translation>
    </message>
    <message>
        <source>Heart</source>
        <translation>Herz</translation>
    </message>
    <message>
        <source>Throat</source>
        <translation>Hals</translation>
    </message>
    <message>
        <source>Third Eye</source>
        <translation>Stirn</translation>
    </message>
    <message>
        <source>Crown</source>
        <translation>Krone</translation>
    </message>
    <message>
        <source>Aries</source>
        <comment>sign</comment>
        <translation>Widder</translation>
    </message>
    <message>
        <source>Taurus</source>
        <comment>sign</comment>
        <translation>Stier</translation>
    </message>
    <message>
        <source>Gemini</source>
        <comment>sign</comment>
        <translation>Zwillinge</translation>
    </message>
    <message>
        <source>Cancer</source>
        <comment>sign</comment>
        <translation>Krebs</translation>
    </message>
    <message>
        <source>Leo</source>
        <comment>sign</comment>
        <translation>Löwe</translation>
    </message>
    <message>
        <source>Virgo</source>
        <comment>sign</comment>
        <translation>Jungfrau</translation>
    </message>
    <message>
        <source>Libra</source>
        <comment>sign</comment>
        <translation>Waage</translation>
    </message>
    <message>
        <source>Scorpio</source>
        <comment>sign</comment>
        <translation>Skorpion</translation>
    </message>
    <message>
        <source>Sagittarius</source>
        <comment>sign</comment>
        <translation>Schütze</translation>
    </message>
    <message>
        <source>Capricorn</source>
        <comment>sign</comment>
        <translation>Steinbock</translation>
    </message>
    <message>
        <source>Aquarius</source>
        <comment>sign</comment>
        <translation>Wassermann</translation>
    </message>
    <message>
        <source>Pisces</source>
        <comment>sign</comment>
        <translation>Fische</translation>
    </message>
    <message>
        <source>Mars</source>
        <comment>ruling planet</comment>
        <translation>Mars</translation>
    </message>
    <message>
        <source>Venus</source>
        <comment>ruling planet</comment>
        <translation>Venus</translation>
    </message>
    <message>
        <source>Mercury</source>
        <comment>ruling planet</comment>
        <translation>Merkur</translation>
    </message>
    <message>
        <source>The Moon</source>
        <comment>ruling planet</comment>
        <translation>Mond</translation>
    </message>
    <message>
        <source>The Sun</source>
        <comment>ruling planet</comment>
        <translation>Sonne</translation>
    </message>
    <message>
        <source>Pluto and Mars</source>
        <comment>ruling planets</comment>
        <translation>Pluto und Mars</translation>
    </message>
    <message>
        <source>Jupiter</source>
        <comment>ruling planet</comment>
        <translation>Jupiter</translation>
    </message>
    <message>
        <source>Saturn</source>
        <comment>ruling planet</comment>
        <translation>Saturn</translation>
    </message>
    <message>
        <source>Uranus and Saturn</source>
        <comment>ruling planets</comment>
        <translation>Uranus und Saturn</translation>
    </message>
    <message>
        <source>Neptune and Jupiter</source>
        <comment>ruling planets</comment>
        <translation>Neptun und Jupiter</translation>
    </message>
    <message>
        <source>Wheel of Fortune</source>
        <comment>tarot card</comment>
        <translation>Rad des Schicksals</translation>
    </message>
    <message>
        <source>The Star</source>
        <comment>tarot card</comment>
        <translation>Der Stern</translation>
    </message>
    <message>
        <source>The Moon</source>
        <comment>tarot card</comment>
        <translation>Der Mond</translation>
    </message>
    <message>
        <source>The Magician</source>
        <comment>tarot card</comment>
        <translation>Der Magier</translation>
    </message>
    <message>
        <source>Justice</source>
        <comment>tarot card</comment>
        <translation>Die Gerechtigkeit</translation>
    </message>
    <message>
        <source>Temperance</source>
        <comment>tarot card</comment>
        <translation>Die Mäßigkeit</translation>
    </message>
    <message>
        <source>The Sun</source>
        <comment>tarot card</comment>
        <translation>Die Sonne</translation>
    </message>
    <message>
        <source>The Empress</source>
        <comment>tarot card</comment>
        <translation>Die Herrscherin</translation>
    </message>
    <message>
        <source>Death</source>
        <comment>tarot card</comment>
        <translation>Der Tod</translation>
    </message>
    <message>
        <source>UnderActive</source>
        <extracomment>A chakra&apos;s state.</extracomment>
        <translation>unteraktiv</translation>
    </message>
    <message>
        <source>Open</source>
        <comment>chakra state</comment>
        <extracomment>A chakra&apos;s state, not a file&apos;s.</extracomment>
        <translation>offen</translation>
    </message>
    <message>
        <source>OverActive</source>
        <extracomment>A chakra&apos;s state.</extracomment>
        <translation>überaktiv</translation>
    </message>
    <message>
        <source>%1 %2 %3</source>
        <extracomment>A chakra&apos;s part of an entry&apos;s summary: the chakra&apos;s short name, its score and its state (&quot;Root 5 Open&quot;).</extracomment>
        <translation>%1 %2 %3</translation>
    </message>
    <message>
        <source>no note</source>
        <translation>keine Notiz</translation>
    </message>
    <message>
        <source>Taken</source>
        <extracomment>A column&apos;s title: when the entry was taken.
----------
A column&apos;s title: when the reading was taken.</extracomment>
        <translation>Zeitpunkt</translation>
    </message>
    <message>
        <source>Program</source>
        <translation>Programm</translation>
    </message>
    <message>
        <source>Summary</source>
        <translation>Übersicht</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>Notiz</translation>
    </message>
    <message>
        <source>Chakra</source>
        <translation>Chakra</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Wert</translation>
    </message>
    <message>
        <source>State</source>
        <extracomment>A column&apos;s title: the chakra&apos;s state (Open, UnderActive, OverActive).</extracomment>
        <translation>Zustand</translation>
    </message>
    <message>
        <source>1 reading</source>
        <translation>1 Deutung</translation>
    </message>
    <message numerus="yes">
        <source>%n readings</source>
        <translation>
            <numerusform>%n Deutung</numerusform>
            <numerusform>%n Deutungen</numerusform>
        </translation>
    </message>
    <message>
        <source>My Readings</source>
        <translation>Meine Deutungen</translation>
    </message>
    <message>
        <source>the disk is full</source>
        <translation>der Datenträger ist voll</translation>
    </message>
    <message>
        <source>the file can only be read</source>
        <translation>die Datei kann nur gelesen werden</translation>
    </message>
    <message>
        <source>the file is not a database</source>
        <translation>die Datei ist keine Datenbank</translation>
    </message>
    <message>
        <source>the file is damaged</source>
        <translation>die Datei ist beschädigt</translation>
    </message>
    <message>
        <source>an unknown error</source>
        <translation>ein unbekannter Fehler</translation>
    </message>
    <message>
        <source>a folder is in the place of the journal file</source>
        <translation>an der Stelle der Tagebuchdatei steht ein Ordner</translation>
    </message>
    <message>
        <source>the journal file cannot be made in %1</source>
        <translation>die Tagebuchdatei kann in %1 nicht angelegt werden</translation>
    </message>
    <message>
        <source>it was written by a newer Padmora</source>
        <translation>es wurde von einer neueren Padmora-Version geschrieben</translation>
    </message>
    <message>
        <source>it cannot be written ahead (%1)</source>
        <translation>es kann nicht mit Vorausprotokoll geschrieben werden (%1)</translation>
    </message>
    <message>
        <source>an entry of that moment is already there</source>
        <translation>ein Eintrag dieses Zeitpunkts ist schon vorhanden</translation>
    </message>
    <message>
        <source>there is no entry %1</source>
        <translation>es gibt keinen Eintrag %1</translation>
    </message>
    <message>
        <source>the entries cannot be read</source>
        <translation>die Einträge können nicht gelesen werden</translation>
    </message>
    <message>
        <source>%1 cannot be renamed</source>
        <translation>%1 kann nicht umbenannt werden</translation>
    </message>
    <message>
        <source>its SQLite module is missing: %1</source>
        <translation>sein SQLite-Modul fehlt: %1</translation>
    </message>
    <message>
        <source>Your journal is kept in %1.</source>
        <translation>Ihr Tagebuch liegt in %1.</translation>
    </message>
    <message>
        <source>This journal was written by a newer Padmora (its format is version %1; this Padmora reads up to version %2). It is open for reading only and is never changed: new readings, notes and deletions are not kept. The file: %3</source>
        <translation>Dieses Tagebuch wurde von einer neueren Padmora-Version geschrieben (sein Format ist Version %1; diese Padmora-Version liest bis Version %2). Es ist nur zum Lesen geöffnet und wird nie verändert: Neue Deutungen, Notizen und Löschungen werden nicht festgehalten. Die Datei: %3</translation>
    </message>
    <message>
        <source>The journal can only be read (%1): new readings, notes and deletions are not kept. The file: %2</source>
        <translation>Das Tagebuch kann nur gelesen werden (%1): Neue Deutungen, Notizen und Löschungen werden nicht festgehalten. Die Datei: %2</translation>
    </message>
    <message>
        <source>The journal cannot be read: %1. It is not deleted; you can move it aside and start a new journal. The file: %2</source>
        <translation>Das Tagebuch kann nicht gelesen werden: %1. Es wird nicht gelöscht; Sie können es beiseitelegen und ein neues Tagebuch beginnen. Die Datei: %2</translation>
    </message>
    <message>
        <source>The journal cannot be opened: %1. The file: %2</source>
        <translation>Das Tagebuch kann nicht geöffnet werden: %1. Die Datei: %2</translation>
    </message>
    <message>
        <source>d MMM yyyy</source>
        <extracomment>The form of a day in the trends&apos; words, as QDate::toString reads it (&quot;3 May 2026&quot;).</extracomment>
        <translation>d. MMM yyyy</translation>
    </message>
    <message>
        <source>%1, %2 on %3</source>
        <extracomment>A score on a day in the trends: the score, its state and the day (&quot;2, UnderActive on 3 May 2026&quot;).</extracomment>
        <translation>%1, %2 am %3</translation>
    </message>
    <message>
        <source>%1: no readings</source>
        <translation>%1: keine Deutungen</translation>
    </message>
    <message>
        <source>%1: %2 (1 reading)</source>
        <extracomment>%1 is the chakra, %2 its score on a day.</extracomment>
        <translation>%1: %2 (1 Deutung)</translation>
    </message>
    <message numerus="yes">
        <source>%1: %2 → %3 (%n readings)</source>
        <extracomment>%1 is the chakra, %2 its first score on a day, %3 its last; %n the number of readings.</extracomment>
        <translation>
            <numerusform>%1: %2 → %3 (%n Deutung)</numerusform>
            <numerusform>%1: %2 → %3 (%n Deutungen)</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 1 time</source>
        <translation>%1 1-mal</translation>
    </message>
    <message numerus="yes">
        <source>%1 %n times</source>
        <translation>
            <numerusform>%1 %n-mal</numerusform>
            <numerusform>%1 %n-mal</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>Modules</name>
    <message>
        <source>(it implements %1, not %2)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>its object does not implement %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Practice</name>
    <message numerus="yes">
        <source>there is no bell of %n strikes</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>there is no audio device to ring the bells on</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the bells cannot be played on %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no speech engine is installed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the speech engine does not answer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the speech engine does not answer (%1)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the speech engine has no voice</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the speech engine cannot be started</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Practise a &amp;Chakra</source>
        <translation type="unfinished"></translation>
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
    <name>Welcome</name>
    <message>
        <source>the %1 Chakra</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the %1 and %2 Chakras</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>, </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your last reading, on %1, found every chakra it looked at open.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your last reading, on %1, found %2 not open.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Re&amp;mind Me to Retake the Test</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>After %1 Days</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Off</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>It is %1 days since your last chakra test. You may take it again from the welcome panel whenever you wish.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>padmora::JournalScreen</name>
    <message>
        <source>&amp;Practise…</source>
        <translation>&amp;Üben…</translation>
    </message>
    <message>
        <source>Practise the chakras of the chosen entry</source>
        <translation>Die Chakren des gewählten Eintrags üben</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Schließen</translation>
    </message>
    <message>
        <source>Journal</source>
        <translation>Tagebuch</translation>
    </message>
    <message>
        <source>Journal pages</source>
        <translation>Seiten des Tagebuchs</translation>
    </message>
    <message>
        <source>&amp;Readings</source>
        <translation>&amp;Deutungen</translation>
    </message>
    <message>
        <source>Show the readings of</source>
        <translation>Deutungen zeigen von</translation>
    </message>
    <message>
        <source>Every Program</source>
        <translation>Alle Programme</translation>
    </message>
    <message>
        <source>&amp;Show:</source>
        <translation>&amp;Zeigen:</translation>
    </message>
    <message>
        <source>Search in notes</source>
        <translation>In Notizen suchen</translation>
    </message>
    <message>
        <source>Search in &amp;notes:</source>
        <translation>In &amp;Notizen suchen:</translation>
    </message>
    <message>
        <source>Readings</source>
        <translation>Deutungen</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>Notiz</translation>
    </message>
    <message>
        <source>A note of your own on the reading chosen above; it is kept as you type.</source>
        <translation>Ihre eigene Notiz zur oben gewählten Deutung; sie wird festgehalten, während Sie tippen.</translation>
    </message>
    <message>
        <source>No&amp;te:</source>
        <translation>No&amp;tiz:</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation>Ö&amp;ffnen</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Löschen</translation>
    </message>
    <message>
        <source>Delete A&amp;ll Readings…</source>
        <translation>&amp;Alle Deutungen löschen…</translation>
    </message>
    <message>
        <source>Export &amp;JSON…</source>
        <translation>&amp;JSON exportieren…</translation>
    </message>
    <message>
        <source>Export C&amp;SV…</source>
        <translation>CS&amp;V exportieren…</translation>
    </message>
    <message>
        <source>&amp;Import JSON…</source>
        <translation>JSON &amp;importieren…</translation>
    </message>
    <message>
        <source>&amp;Trends</source>
        <translation>&amp;Verlauf</translation>
    </message>
    <message>
        <source>Range of time</source>
        <translation>Zeitraum</translation>
    </message>
    <message>
        <source>All</source>
        <translation>Gesamte Zeit</translation>
    </message>
    <message>
        <source>Last Year</source>
        <translation>Letztes Jahr</translation>
    </message>
    <message>
        <source>Last 3 Months</source>
        <translation>Letzte 3 Monate</translation>
    </message>
    <message>
        <source>Last Month</source>
        <translation>Letzter Monat</translation>
    </message>
    <message>
        <source>R&amp;ange:</source>
        <translation>Zeit&amp;raum:</translation>
    </message>
    <message>
        <source>Trends of the chakra scores</source>
        <translation>Verlauf der Chakra-Werte</translation>
    </message>
    <message>
        <source>Trend scores</source>
        <translation>Werte im Verlauf</translation>
    </message>
    <message>
        <source>Trend of each chakra</source>
        <translation>Verlauf jedes Chakras</translation>
    </message>
    <message>
        <source>Cards that came up most often</source>
        <translation>Am häufigsten gezogene Karten</translation>
    </message>
    <message>
        <source>The journal file</source>
        <translation>Die Tagebuchdatei</translation>
    </message>
    <message>
        <source>&amp;Move It Aside, Start Anew</source>
        <translation>&amp;Beiseitelegen, neu beginnen</translation>
    </message>
    <message>
        <source>%1. %2</source>
        <extracomment>The number of entries (&quot;12 readings&quot;), then where the journal is kept.</extracomment>
        <translation>%1. %2</translation>
    </message>
    <message>
        <source>New readings are not kept: keeping is switched off.</source>
        <translation>Neue Deutungen werden nicht festgehalten: Das Festhalten ist ausgeschaltet.</translation>
    </message>
    <message>
        <source>The note could not be kept: %1.</source>
        <translation>Die Notiz konnte nicht festgehalten werden: %1.</translation>
    </message>
    <message>
        <source>This reading cannot be shown again: %1.</source>
        <translation>Diese Deutung kann nicht wieder gezeigt werden: %1.</translation>
    </message>
    <message>
        <source>This reading cannot be shown again.</source>
        <translation>Diese Deutung kann nicht wieder gezeigt werden.</translation>
    </message>
    <message>
        <source>Delete the chosen reading and its note from your journal?</source>
        <translation>Die gewählte Deutung samt ihrer Notiz aus Ihrem Tagebuch löschen?</translation>
    </message>
    <message numerus="yes">
        <source>Delete the %n chosen readings and their notes from your journal?</source>
        <translation>
            <numerusform>Die %n gewählte Deutung samt ihrer Notiz aus Ihrem Tagebuch löschen?</numerusform>
            <numerusform>Die %n gewählten Deutungen samt ihren Notizen aus Ihrem Tagebuch löschen?</numerusform>
        </translation>
    </message>
    <message>
        <source>The readings could not be deleted: %1.</source>
        <translation>Die Deutungen konnten nicht gelöscht werden: %1.</translation>
    </message>
    <message>
        <source>Delete all %1 from your journal, with their notes?</source>
        <translation>Alle %1 samt ihren Notizen aus Ihrem Tagebuch löschen?</translation>
    </message>
    <message>
        <source>Are you sure? Every reading and note in your journal will be gone for good.</source>
        <translation>Sind Sie sicher? Jede Deutung und jede Notiz in Ihrem Tagebuch ist dann für immer verloren.</translation>
    </message>
    <message>
        <source>Padmora journal %1.%2</source>
        <extracomment>The file name proposed for an export: %1 is today&apos;s date, %2 &quot;json&quot; or &quot;csv&quot;.</extracomment>
        <translation>Padmora-Tagebuch %1.%2</translation>
    </message>
    <message>
        <source>The journal could not be written to %1: %2. Nothing was written.</source>
        <extracomment>%1 is the file chosen, %2 why.</extracomment>
        <translation>Das Tagebuch konnte nicht nach %1 geschrieben werden: %2. Es wurde nichts geschrieben.</translation>
    </message>
    <message>
        <source>Export the Journal as JSON</source>
        <translation>Das Tagebuch als JSON exportieren</translation>
    </message>
    <message>
        <source>JSON files (*.json)</source>
        <translation>JSON-Dateien (*.json)</translation>
    </message>
    <message>
        <source>Export the Scores as CSV</source>
        <translation>Die Werte als CSV exportieren</translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <translation>CSV-Dateien (*.csv)</translation>
    </message>
    <message>
        <source>Import a Journal</source>
        <translation>Ein Tagebuch importieren</translation>
    </message>
    <message>
        <source>%1 cannot be imported: %2. Nothing was imported.</source>
        <extracomment>%1 is the file, %2 why (without its full stop).</extracomment>
        <translation>%1 kann nicht importiert werden: %2. Es wurde nichts importiert.</translation>
    </message>
    <message>
        <source>%1 added, %2 already there.</source>
        <extracomment>After an import: %1 entries added, %2 entries that were in the journal already.</extracomment>
        <translation>%1 hinzugefügt, %2 schon vorhanden.</translation>
    </message>
    <message>
        <source>Move %1 aside as %2 and start a new journal? Nothing is deleted.</source>
        <extracomment>%1 is the journal file, %2 the name it is moved to.</extracomment>
        <translation>%1 als %2 beiseitelegen und ein neues Tagebuch beginnen? Es wird nichts gelöscht.</translation>
    </message>
    <message>
        <source>The file could not be moved aside: %1.</source>
        <translation>Die Datei konnte nicht beiseitegelegt werden: %1.</translation>
    </message>
    <message>
        <source>No tarot reading has shown a card yet.</source>
        <translation>Noch keine Tarot-Deutung hat eine Karte gezeigt.</translation>
    </message>
    <message>
        <source>Cards that came up most often: %1.</source>
        <translation>Am häufigsten gezogene Karten: %1.</translation>
    </message>
</context>
<context>
    <name>padmora::MainWindow</name>
    <message>
        <source>Practise them</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Take the test again</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>padmora::PracticeScreen</name>
    <message>
        <source>Practice</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Chakra</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ch&amp;akra:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Steps of the exercise</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>P&amp;revious Step</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ne&amp;xt Step</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sho&amp;w all steps at once</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Length</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>%n minutes</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>Other</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open-ended</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Length:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Minutes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> min</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Preparation</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>None</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1 minute</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>%n seconds</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>&amp;Preparation:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Interval bells</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Every minute</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>Every %n minutes</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>&amp;Interval bells:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No soun&amp;d</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Volume</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Volume:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Chanting pace</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Breathe in %1 s, chant %2 s</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your own</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Chantin&amp;g pace:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Breathe in, seconds</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> s</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Breathe in:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Chant, seconds</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cha&amp;nt:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>R&amp;ead aloud</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Less &amp;motion</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Time left</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Breathing shape</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>What is missing</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>S&amp;tart</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pa&amp;use</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Stop</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Next Cha&amp;kra</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Chakra %1 of %2 in this sitting</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Step %1 of %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ready to start</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Get ready</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Breathe in</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Chant %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Paused</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Completed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stopped</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Preparation left</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Time practised</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1 second</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 seconds</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Session: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Res&amp;ume</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No bell can be rung: %1. The practice goes on in silence.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nothing can be read aloud: %1. The practice goes on unspoken.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The sitting is done.</source>
        <translation type="unfinished"></translation>
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
