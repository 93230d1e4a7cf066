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
