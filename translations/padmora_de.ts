<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>Astrology</name>
    <message>
        <source>Please enter your name</source>
        <translation>Bitte geben Sie Ihren Namen ein</translation>
    </message>
    <message>
        <source>Please Enter Correct Date Or Month!</source>
        <extracomment>29 February outside a leap year, or 30 or 31 February.</extracomment>
        <translation>Bitte geben Sie einen gültigen Tag oder Monat ein!</translation>
    </message>
    <message>
        <source>Please Enter Correct Date Or Month !</source>
        <extracomment>The 31st of a month of 30 days.</extracomment>
        <translation>Bitte geben Sie einen gültigen Tag oder Monat ein.</translation>
    </message>
    <message>
        <source>Sahasrara (thousand-fold)</source>
        <translation>Sahasrara (tausendfach)</translation>
    </message>
    <message>
        <source>Kundalini Shakti rises up the spinal column to unite with Shiva here. One understands Non-Duality, Lives in an Extended State of Consciousness and Attains illumination</source>
        <translation>Kundalini Shakti steigt die Wirbelsäule empor, um sich hier mit Shiva zu vereinen. Man versteht die Nicht-Dualität, lebt in einem erweiterten Bewusstseinszustand und erlangt Erleuchtung</translation>
    </message>
    <message>
        <source>Violet</source>
        <translation>Violett</translation>
    </message>
    <message>
        <source>Beautiful one Thousand Rainbow Colored Petals.</source>
        <translation>Tausend wunderschöne regenbogenfarbene Blütenblätter.</translation>
    </message>
    <message>
        <source>Ajna (perceive, to know)</source>
        <translation>Ajna (wahrnehmen, erkennen)</translation>
    </message>
    <message>
        <source>Transcending Senses, Experiencing God-In-Self or Atman</source>
        <translation>Die Sinne übersteigen, Gott im Selbst oder Atman erfahren</translation>
    </message>
    <message>
        <source>Indigo</source>
        <translation>Indigo</translation>
    </message>
    <message>
        <source>Circle, 2 Luminous Petals in which all the Elements are pooled.</source>
        <translation>Kreis, 2 leuchtende Blütenblätter, in denen alle Elemente vereint sind.</translation>
    </message>
    <message>
        <source>Visuddha (purification)</source>
        <translation>Visuddha (Reinigung)</translation>
    </message>
    <message>
        <source>Ego</source>
        <translation>Ego</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>Blau</translation>
    </message>
    <message>
        <source>White Circle (Lunar Circle - Pure Cosmic Sound) enclosed by 16 Purple-Gray Petals.</source>
        <translation>Weißer Kreis (Mondkreis – reiner kosmischer Klang), umgeben von 16 purpurgrauen Blütenblättern.</translation>
    </message>
    <message>
        <source>Anahata (unstruck; the fresh, clean sound made without striking two things)</source>
        <translation>Anahata (unangeschlagen; der frische, reine Klang, der entsteht, ohne dass zwei Dinge aneinanderschlagen)</translation>
    </message>
    <message>
        <source>Impatience</source>
        <translation>Ungeduld</translation>
    </message>
    <message>
        <source>Green</source>
        <translation>Grün</translation>
    </message>
    <message>
        <source>Green-Gray Star (Smoky-Green as Smoke Pervades the Air), covered by 12 Red Petals.</source>
        <translation>Grüngrauer Stern (rauchgrün, wie Rauch die Luft durchzieht), bedeckt von 12 roten Blütenblättern.</translation>
    </message>
    <message>
        <source>Manipura (lustrous gem)</source>
        <translation>Manipura (glänzendes Juwel)</translation>
    </message>
    <message>
        <source>Irritation</source>
        <translation>Gereiztheit</translation>
    </message>
    <message>
        <source>Yellow</source>
        <translation>Gelb</translation>
    </message>
    <message>
        <source>Fiery Red Triangle, surrounded by 10 Blue Petals.</source>
        <translation>Feuerrotes Dreieck, umgeben von 10 blauen Blütenblättern.</translation>
    </message>
    <message>
        <source>Svadhisthana (sweetness)</source>
        <translation>Svadhisthana (Süße)</translation>
    </message>
    <message>
        <source>Purity and Attachments</source>
        <translation>Reinheit und Anhaftungen</translation>
    </message>
    <message>
        <source>Orange</source>
        <translation>Orange</translation>
    </message>
    <message>
        <source>Blue Crescent Moon, covered by 6 Red Petals and earth filled with encircling water.</source>
        <translation>Blaue Mondsichel, bedeckt von 6 roten Blütenblättern, und Erde, von Wasser umschlossen.</translation>
    </message>
    <message>
        <source>Muladhara (root)</source>
        <translation>Muladhara (Wurzel)</translation>
    </message>
    <message>
        <source>Patience and Greediness</source>
        <translation>Geduld und Gier</translation>
    </message>
    <message>
        <source>Red</source>
        <translation>Rot</translation>
    </message>
    <message>
        <source>Yellow Yantra Square, covered by Four Red Petals represents the Four Directions of Earth.</source>
        <translation>Gelbes Yantra-Quadrat, bedeckt von vier roten Blütenblättern, steht für die vier Himmelsrichtungen der Erde.</translation>
    </message>
    <message>
        <source>Aries</source>
        <translation>Widder</translation>
    </message>
    <message>
        <source>Mars</source>
        <translation>Mars</translation>
    </message>
    <message>
        <source>Taurus</source>
        <translation>Stier</translation>
    </message>
    <message>
        <source>Venus</source>
        <translation>Venus</translation>
    </message>
    <message>
        <source>Gemini</source>
        <translation>Zwillinge</translation>
    </message>
    <message>
        <source>Mercury</source>
        <translation>Merkur</translation>
    </message>
    <message>
        <source>Cancer</source>
        <translation>Krebs</translation>
    </message>
    <message>
        <source>The Moon</source>
        <translation>Der Mond</translation>
    </message>
    <message>
        <source>Leo</source>
        <translation>Löwe</translation>
    </message>
    <message>
        <source>The Sun</source>
        <translation>Die Sonne</translation>
    </message>
    <message>
        <source>Virgo</source>
        <translation>Jungfrau</translation>
    </message>
    <message>
        <source>Libra</source>
        <translation>Waage</translation>
    </message>
    <message>
        <source>Scorpio</source>
        <translation>Skorpion</translation>
    </message>
    <message>
        <source>Pluto and Mars</source>
        <translation>Pluto und Mars</translation>
    </message>
    <message>
        <source>Sagittarius</source>
        <translation>Schütze</translation>
    </message>
    <message>
        <source>Jupiter</source>
        <translation>Jupiter</translation>
    </message>
    <message>
        <source>Capricorn</source>
        <translation>Steinbock</translation>
    </message>
    <message>
        <source>Saturn</source>
        <translation>Saturn</translation>
    </message>
    <message>
        <source>Aquarius</source>
        <translation>Wassermann</translation>
    </message>
    <message>
        <source>Uranus and Saturn</source>
        <translation>Uranus und Saturn</translation>
    </message>
    <message>
        <source>Pisces</source>
        <translation>Fische</translation>
    </message>
    <message>
        <source>Neptune and Jupiter</source>
        <translation>Neptun und Jupiter</translation>
    </message>
    <message>
        <source>January</source>
        <translation>Januar</translation>
    </message>
    <message>
        <source>February</source>
        <translation>Februar</translation>
    </message>
    <message>
        <source>March</source>
        <translation>März</translation>
    </message>
    <message>
        <source>April</source>
        <translation>April</translation>
    </message>
    <message>
        <source>May</source>
        <translation>Mai</translation>
    </message>
    <message>
        <source>June</source>
        <translation>Juni</translation>
    </message>
    <message>
        <source>July</source>
        <translation>Juli</translation>
    </message>
    <message>
        <source>August</source>
        <translation>August</translation>
    </message>
    <message>
        <source>September</source>
        <translation>September</translation>
    </message>
    <message>
        <source>October</source>
        <translation>Oktober</translation>
    </message>
    <message>
        <source>November</source>
        <translation>November</translation>
    </message>
    <message>
        <source>December</source>
        <translation>Dezember</translation>
    </message>
    <message>
        <source>Sun Sign</source>
        <translation>Sonnenzeichen</translation>
    </message>
    <message>
        <source>Ruling Planet</source>
        <translation>Herrschender Planet</translation>
    </message>
    <message>
        <source>Chakra Name</source>
        <translation>Name des Chakras</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>Beschreibung</translation>
    </message>
    <message>
        <source>Symbol</source>
        <translation>Symbol</translation>
    </message>
    <message>
        <source>Sanskrit Name</source>
        <translation>Sanskrit-Name</translation>
    </message>
    <message>
        <source>Keyword</source>
        <translation>Stichwort</translation>
    </message>
    <message>
        <source>Color</source>
        <translation>Farbe</translation>
    </message>
    <message>
        <source>Open</source>
        <extracomment>Caption of what an open chakra means (the chakra&apos;s state).</extracomment>
        <translation>Offen</translation>
    </message>
    <message>
        <source>Overactive</source>
        <translation>Überaktiv</translation>
    </message>
    <message>
        <source>Underactive</source>
        <translation>Unteraktiv</translation>
    </message>
    <message>
        <source>%1 - %2</source>
        <extracomment>A chakra&apos;s name, then its Sanskrit name.</extracomment>
        <translation>%1 – %2</translation>
    </message>
</context>
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
    <name>Guidance</name>
    <message>
        <source>To open Root Chakra: </source>
        <translation>So öffnen Sie das Wurzelchakra: </translation>
    </message>
    <message>
        <source>Touch the tips of your thumb and index together. Concentrate on the Root Chakra at the spot in between the genitals and the anus.</source>
        <translation>Legen Sie die Spitzen von Daumen und Zeigefinger aneinander. Konzentrieren Sie sich auf das Wurzelchakra an der Stelle zwischen Genitalien und Anus.</translation>
    </message>
    <message>
        <source>Chant the sound LAM.</source>
        <translation>Tönen Sie den Laut LAM.</translation>
    </message>
    <message>
        <source>To open Sacral Chakra: </source>
        <translation>So öffnen Sie das Sakralchakra: </translation>
    </message>
    <message>
        <source>Put your hands in your lap, palms up, on top of each other and left hand underneath, its palm touching the back of the fingers of the right hand. The tips of the thumbs touch gently.</source>
        <translation>Legen Sie die Hände mit den Handflächen nach oben übereinander in den Schoß, die linke Hand unten, ihre Handfläche an der Rückseite der Finger der rechten Hand. Die Daumenspitzen berühren sich sanft.</translation>
    </message>
    <message>
        <source>Concentrate on the Sacral Chakra at the sacral bone (on the lower back).</source>
        <translation>Konzentrieren Sie sich auf das Sakralchakra am Kreuzbein (am unteren Rücken).</translation>
    </message>
    <message>
        <source>Chant the sound VAM.</source>
        <translation>Tönen Sie den Laut VAM.</translation>
    </message>
    <message>
        <source>To open Navel Chakra: </source>
        <translation>So öffnen Sie das Nabelchakra: </translation>
    </message>
    <message>
        <source>Put your hands before your stomach, slightly below your solar plexus. Let the fingers join at the tops, all pointing away from you. Cross the thumbs. It is important to straighten the fingers.</source>
        <translation>Halten Sie die Hände vor den Bauch, etwas unterhalb des Solarplexus. Lassen Sie die Fingerspitzen sich berühren, alle Finger zeigen von Ihnen weg. Kreuzen Sie die Daumen. Es ist wichtig, die Finger zu strecken.</translation>
    </message>
    <message>
        <source>Concentrate on the Navel Chakra located on the spine, a bit above the level of the navel.</source>
        <translation>Konzentrieren Sie sich auf das Nabelchakra an der Wirbelsäule, etwas oberhalb der Höhe des Nabels.</translation>
    </message>
    <message>
        <source>Chant the sound RAM.</source>
        <translation>Tönen Sie den Laut RAM.</translation>
    </message>
    <message>
        <source>To open Heart Chakra: </source>
        <translation>So öffnen Sie das Herzchakra: </translation>
    </message>
    <message>
        <source>Position yourself sitting cross-legged. Let the tips of your index finger and thumb touch. Put your left hand on your left knee and your right hand in front of the lower part of your breast bone (so a bit above the solar plexus).</source>
        <translation>Setzen Sie sich mit gekreuzten Beinen hin. Lassen Sie die Spitzen von Zeigefinger und Daumen sich berühren. Legen Sie die linke Hand auf das linke Knie und halten Sie die rechte Hand vor den unteren Teil des Brustbeins (also etwas oberhalb des Solarplexus).</translation>
    </message>
    <message>
        <source>Concentrate on the Heart Chakra at the spine, level with the heart.</source>
        <translation>Konzentrieren Sie sich auf das Herzchakra an der Wirbelsäule, auf Höhe des Herzens.</translation>
    </message>
    <message>
        <source>Chant the sound YAM (as this mudra is particularly powerful, this may not be needed).</source>
        <translation>Tönen Sie den Laut YAM (da dieses Mudra besonders kraftvoll ist, ist das vielleicht nicht nötig).</translation>
    </message>
    <message>
        <source>To open Throat Chakra: </source>
        <translation>So öffnen Sie das Halschakra: </translation>
    </message>
    <message>
        <source>Cross your fingers within your hands, without the thumbs. Let the thumbs touch at the tops, and pull them slightly up.</source>
        <translation>Verschränken Sie die Finger ineinander, ohne die Daumen. Lassen Sie die Daumenspitzen sich berühren und ziehen Sie die Daumen leicht nach oben.</translation>
    </message>
    <message>
        <source>Concentrate on the Throat Chakra at the base of the throat.</source>
        <translation>Konzentrieren Sie sich auf das Halschakra am unteren Ende des Halses.</translation>
    </message>
    <message>
        <source>Chant the sound HAM.</source>
        <translation>Tönen Sie den Laut HAM.</translation>
    </message>
    <message>
        <source>To open Third Eye Chakra: </source>
        <translation>So öffnen Sie das Stirnchakra: </translation>
    </message>
    <message>
        <source>Put your hands before the lower part of your breast. The middle fingers are straight and touch at the tops, pointing forward. The other fingers are bended and touch at the upper two phalanges. The thumbs must point towards you and touching at the top.</source>
        <translation>Halten Sie die Hände vor den unteren Teil der Brust. Die Mittelfinger sind gestreckt, berühren sich an den Spitzen und zeigen nach vorn. Die übrigen Finger sind gebeugt und berühren sich an den oberen beiden Fingergliedern. Die Daumen zeigen zu Ihnen und berühren sich an den Spitzen.</translation>
    </message>
    <message>
        <source>Concentrate on the Third Eye Chakra slightly above the point between the eyebrows.</source>
        <translation>Konzentrieren Sie sich auf das Stirnchakra, etwas oberhalb des Punktes zwischen den Augenbrauen.</translation>
    </message>
    <message>
        <source>Chant the sound OM or AUM.</source>
        <translation>Tönen Sie den Laut OM oder AUM.</translation>
    </message>
    <message>
        <source>To open Crown Chakra: </source>
        <translation>So öffnen Sie das Kronenchakra: </translation>
    </message>
    <message>
        <source>Put your hands before your stomach. Let the ring fingers point up, touching at their tops. Cross the rest of your fingers, with the left thumb underneath the right.</source>
        <translation>Halten Sie die Hände vor den Bauch. Lassen Sie die Ringfinger nach oben zeigen, sodass sich ihre Spitzen berühren. Verschränken Sie die übrigen Finger, den linken Daumen unter dem rechten.</translation>
    </message>
    <message>
        <source>Concentrate on the Crown Chakra at the top of your head.</source>
        <translation>Konzentrieren Sie sich auf das Kronenchakra am Scheitel.</translation>
    </message>
    <message>
        <source>Chant the sound NG.</source>
        <translation>Tönen Sie den Laut NG.</translation>
    </message>
    <message>
        <source>This Chakra needs to be opened</source>
        <translation>Dieses Chakra muss geöffnet werden</translation>
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
    <name>Tarot</name>
    <message>
        <source>Please select at least one chakra</source>
        <extracomment>START TEST with no chakra ticked.</extracomment>
        <translation>Bitte wählen Sie mindestens ein Chakra aus</translation>
    </message>
    <message>
        <source>VQ Dovazov Urera is a simple software that attempts to correlate your under-active or overactive chakras with the corresponding tarot card and its significance. Take the chakra test now and get a reading instantly!</source>
        <extracomment>The tarot start screen&apos;s introduction; &quot;VQ Dovazov Urera&quot; is the program&apos;s name.</extracomment>
        <translation>VQ Dovazov Urera ist ein einfaches Programm, das Ihre unteraktiven oder überaktiven Chakren mit der passenden Tarotkarte und ihrer Bedeutung verbindet. Machen Sie jetzt den Chakra-Test und erhalten Sie sofort Ihre Deutung!</translation>
    </message>
    <message>
        <source>Dovazov Urera not applicable for Open Chakras</source>
        <extracomment>Message when no chakra needs a card; &quot;Dovazov Urera&quot; is the program&apos;s name.</extracomment>
        <translation>Dovazov Urera ist für offene Chakren nicht anwendbar</translation>
    </message>
    <message>
        <source>The Sun</source>
        <translation>Die Sonne</translation>
    </message>
    <message>
        <source>You are enthusiastic and passionate about your work. Your hard work is ready to reap good results. Be open to criticism. You are happy and satisfied with your accomplishment. You may receive lot of rewards and acclaims.</source>
        <translation>Sie sind von Ihrer Arbeit begeistert und gehen mit Leidenschaft an sie heran. Ihre harte Arbeit trägt nun gute Früchte. Seien Sie offen für Kritik. Sie sind glücklich und zufrieden mit dem, was Sie erreicht haben. Womöglich erhalten Sie viel Lohn und Anerkennung.</translation>
    </message>
    <message>
        <source>You may be very unhappy and lonely. Life may seem to have come to a stand still. Relationships may be going through a tough time. Failures may happen; leaving you depressed.</source>
        <translation>Sie sind vielleicht sehr unglücklich und einsam. Das Leben scheint stillzustehen. Beziehungen gehen womöglich durch eine schwere Zeit. Misserfolge können geschehen und Sie niedergeschlagen zurücklassen.</translation>
    </message>
    <message>
        <source>Wheel of Fortune</source>
        <translation>Rad des Schicksals</translation>
    </message>
    <message>
        <source>You may have some special gains. Your destiny may be changing and you may face advancement in life. You will have good luck and easy progress. Old problems will end and new beginnings will happen.</source>
        <translation>Ihnen stehen vielleicht besondere Gewinne bevor. Ihr Schicksal wendet sich womöglich, und Sie können im Leben vorankommen. Sie werden Glück haben und leicht Fortschritte machen. Alte Probleme enden, und Neues beginnt.</translation>
    </message>
    <message>
        <source>Your time may not be so good now. You may face a bout of failures and bad luck. Unexpected events may be responsible for your bad fate. There will be lots of difficulties and unwanted delays.</source>
        <translation>Ihre Zeit ist jetzt vielleicht nicht die beste. Womöglich erleben Sie eine Reihe von Misserfolgen und Pech. Unerwartete Ereignisse können Ihr schweres Schicksal verursachen. Es wird viele Schwierigkeiten und unerwünschte Verzögerungen geben.</translation>
    </message>
    <message>
        <source>The Moon</source>
        <translation>Der Mond</translation>
    </message>
    <message>
        <source>Your intuitiveness is at its peak now. Do not start any new ventures. People may be very emotional but do not become like one of them. You tend to spend more time in illusions and in an unconscious state or daze. You may not be taking the right decisions.</source>
        <translation>Ihre Intuition ist jetzt auf ihrem Höhepunkt. Beginnen Sie keine neuen Unternehmungen. Die Menschen um Sie sind vielleicht sehr gefühlsbetont, werden Sie aber nicht wie sie. Sie neigen dazu, mehr Zeit in Illusionen und in einem unbewussten, benommenen Zustand zu verbringen. Womöglich treffen Sie nicht die richtigen Entscheidungen.</translation>
    </message>
    <message>
        <source>You may be deceived by someone but realize it before it is too late. You may hide in a land of dreams to avoid thinking about reality. You may not be able to differentiate between reality and illusion. Do not trust people as you are bound to get deceived.</source>
        <translation>Jemand täuscht Sie vielleicht, doch Sie erkennen es, bevor es zu spät ist. Womöglich flüchten Sie sich in eine Traumwelt, um nicht an die Wirklichkeit denken zu müssen. Es fällt Ihnen vielleicht schwer, Wirklichkeit und Illusion zu unterscheiden. Vertrauen Sie anderen nicht, denn Sie werden sonst sicher getäuscht.</translation>
    </message>
    <message>
        <source>The Magician</source>
        <translation>Der Magier</translation>
    </message>
    <message>
        <source>This card signifies a strong personality with willpower, skill and creativity. This is the time to be adventurous and start new projects. Success is bound to follow soon. This signifies creativity and ability to understand you potential by taking risks.</source>
        <translation>Diese Karte steht für eine starke Persönlichkeit mit Willenskraft, Geschick und Kreativität. Jetzt ist die Zeit, mutig zu sein und neue Vorhaben zu beginnen. Der Erfolg wird bald folgen. Sie steht für Kreativität und die Fähigkeit, Ihr Potenzial zu erkennen, indem Sie etwas wagen.</translation>
    </message>
    <message>
        <source>This shows a lack of imagination and will to start any new project. You may feel insecure and have low self confidence in yourself. Learn to communicate with your friends and do not close yourself to the world. Think twice before taking any action.</source>
        <translation>Dies zeigt einen Mangel an Vorstellungskraft und an Willen, ein neues Vorhaben zu beginnen. Sie fühlen sich vielleicht unsicher und haben wenig Selbstvertrauen. Lernen Sie, sich Ihren Freunden mitzuteilen, und verschließen Sie sich nicht vor der Welt. Überlegen Sie zweimal, bevor Sie handeln.</translation>
    </message>
    <message>
        <source>Justice</source>
        <translation>Die Gerechtigkeit</translation>
    </message>
    <message>
        <source>You may get involved in legal issues. Seek sound advice from elders. You will be able to lead a harmonious and balanced life. You will be known as considerate and virtuous person. You will get sound judgments in all your issues.</source>
        <translation>Sie werden vielleicht in rechtliche Angelegenheiten verwickelt. Holen Sie sich guten Rat bei Älteren. Sie werden ein harmonisches und ausgeglichenes Leben führen können. Man wird Sie als rücksichtsvollen und rechtschaffenen Menschen kennen. In all Ihren Angelegenheiten werden Sie gerechte Urteile erhalten.</translation>
    </message>
    <message>
        <source>You may not get the right judgments but unjust decisions. There may be delays in issues and biased opinions. There may be a lot of legal problems to deal with.  Do not trust people to support you but believe in yourself.</source>
        <translation>Womöglich erhalten Sie keine gerechten Urteile, sondern ungerechte Entscheidungen. Es kann Verzögerungen und voreingenommene Meinungen geben. Vielleicht müssen Sie sich mit vielen rechtlichen Problemen befassen. Verlassen Sie sich nicht auf die Unterstützung anderer, sondern glauben Sie an sich selbst.</translation>
    </message>
    <message>
        <source>Temperance</source>
        <translation>Die Mäßigkeit</translation>
    </message>
    <message>
        <source>Do not force people to accept your views immediately. Give them time. Till then, better to avoid debates and arguments. Common sense, compromise and a cool mind needed to overcome this situation. A moderate temperament reaps harmony, happiness and confidence.</source>
        <translation>Drängen Sie andere nicht, Ihre Ansichten sofort anzunehmen. Geben Sie ihnen Zeit. Bis dahin meiden Sie besser Debatten und Streit. Gesunder Menschenverstand, Kompromissbereitschaft und ein kühler Kopf helfen Ihnen, diese Lage zu meistern. Ein maßvolles Gemüt bringt Harmonie, Glück und Zuversicht.</translation>
    </message>
    <message>
        <source>Be careful of the people around you. Everyone is trying to use you for their own reasons. Do not believe in all that you see. You may take many wrong decisions in a very short span of time. There may be a lot of disagreements. Life may seem unstable at the moment.</source>
        <translation>Seien Sie vorsichtig mit den Menschen um Sie herum. Jeder versucht, Sie für eigene Zwecke zu benutzen. Glauben Sie nicht alles, was Sie sehen. Womöglich treffen Sie in kurzer Zeit viele falsche Entscheidungen. Es kann viele Meinungsverschiedenheiten geben. Das Leben scheint im Moment unbeständig.</translation>
    </message>
    <message>
        <source>The Empress</source>
        <translation>Die Herrscherin</translation>
    </message>
    <message>
        <source>Execution of your decisions are in you own hands now.  You need to take calculated risks to achieve your goals. You may receive some good news related to a wedding or birth of a baby. Now is the time to take action and develop your creativity.</source>
        <translation>Die Umsetzung Ihrer Entscheidungen liegt jetzt in Ihren eigenen Händen. Sie müssen wohlüberlegte Wagnisse eingehen, um Ihre Ziele zu erreichen. Vielleicht erhalten Sie gute Nachrichten über eine Hochzeit oder die Geburt eines Kindes. Jetzt ist die Zeit zu handeln und Ihre Kreativität zu entfalten.</translation>
    </message>
    <message>
        <source>Problems with other women are seen. You may not be able to develop you creative side. There may be indecision and hesitation. There may be infidelity, infertility or an unwanted pregnancy. Be prepared to face anxiety and depression.</source>
        <translation>Es zeigen sich Probleme mit anderen Frauen. Vielleicht können Sie Ihre kreative Seite nicht entfalten. Es kann Unentschlossenheit und Zögern geben. Untreue, Unfruchtbarkeit oder eine ungewollte Schwangerschaft sind möglich. Stellen Sie sich auf Ängste und Niedergeschlagenheit ein.</translation>
    </message>
    <message>
        <source>Death</source>
        <translation>Der Tod</translation>
    </message>
    <message>
        <source>This is the beginning of a new life. You have to start from scratch. You won&apos;t get anything easily. Do not give up hope nor wallow in self pity. Give up old habits that you don&apos;t like and start a new life. There may be a lot of changes in your life.</source>
        <translation>Dies ist der Beginn eines neuen Lebens. Sie müssen ganz von vorn anfangen. Nichts wird Ihnen leicht zufallen. Geben Sie die Hoffnung nicht auf und versinken Sie nicht in Selbstmitleid. Legen Sie alte Gewohnheiten ab, die Sie nicht mögen, und beginnen Sie ein neues Leben. Es kann viele Veränderungen in Ihrem Leben geben.</translation>
    </message>
    <message>
        <source>The changes in your life may not be pleasant. You may not be ready to face them. This may leave you exhausted mentally as well as physically. This may be a period of stagnation. You may be lethargic and make excuses for your actions.</source>
        <translation>Die Veränderungen in Ihrem Leben sind vielleicht nicht angenehm. Womöglich sind Sie nicht bereit, sich ihnen zu stellen. Das kann Sie geistig wie körperlich erschöpfen. Es kann eine Zeit des Stillstands sein. Vielleicht sind Sie antriebslos und suchen Ausreden für Ihr Handeln.</translation>
    </message>
    <message>
        <source>Description</source>
        <extracomment>Caption beside a tarot card&apos;s reading, on its page and on paper.</extracomment>
        <translation>Beschreibung</translation>
    </message>
    <message>
        <source>Reverse Description</source>
        <extracomment>Caption beside the reading of the card drawn reversed.</extracomment>
        <translation>Umgekehrte Beschreibung</translation>
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
    <name>padmora::AstrologyScreen</name>
    <message>
        <source>E&amp;xit</source>
        <extracomment>File menu: closes the astrology screen.</extracomment>
        <translation>&amp;Schließen</translation>
    </message>
    <message>
        <source>Personal Details</source>
        <translation>Persönliche Angaben</translation>
    </message>
    <message>
        <source>Astro Chakra Details</source>
        <translation>Astro-Chakra-Angaben</translation>
    </message>
    <message>
        <source>VQ Vovuvev Avoverazi is an unique tool that generates your chakras reading based on your zodiac sun sign. Just enter your date of birth and know which Chakra influences you the most.</source>
        <extracomment>&quot;VQ Vovuvev Avoverazi&quot; is the program&apos;s name and stays as it is.</extracomment>
        <translation>VQ Vovuvev Avoverazi ist ein einzigartiges Werkzeug, das Ihre Chakra-Deutung aus Ihrem Sonnenzeichen erstellt. Geben Sie einfach Ihr Geburtsdatum ein und erfahren Sie, welches Chakra Sie am stärksten beeinflusst.</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Date of Birth</source>
        <translation>Geburtsdatum</translation>
    </message>
    <message>
        <source>Month of birth</source>
        <translation>Geburtsmonat</translation>
    </message>
    <message>
        <source>Day of birth</source>
        <translation>Geburtstag</translation>
    </message>
    <message>
        <source>Year of birth</source>
        <translation>Geburtsjahr</translation>
    </message>
    <message>
        <source>&amp;Get My Vovuvev Avoverazi Reading</source>
        <extracomment>&quot;Vovuvev Avoverazi&quot; is the program&apos;s name and stays as it is.</extracomment>
        <translation>Meine Vovuvev Avoverazi Deutung &amp;zeigen</translation>
    </message>
    <message>
        <source>Chakra</source>
        <translation>Chakra</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <extracomment>Button: back to the personal details.</extracomment>
        <translation>&amp;Zurück</translation>
    </message>
    <message>
        <source>chakras astrology</source>
        <extracomment>What is printed, in a few lower-case words: the heading and the proposed PDF name use it.</extracomment>
        <translation>Chakra-Astrologie</translation>
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
<context>
    <name>padmora::TarotPagesScreen</name>
    <message>
        <source>&amp;Back</source>
        <extracomment>File menu: back to the program bar.
----------
Button: closes the pages, back to the program bar.</extracomment>
        <translation>Zu&amp;rück</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <extracomment>File menu: closes the card pages.
----------
Button: closes the card pages.</extracomment>
        <translation>&amp;Schließen</translation>
    </message>
    <message>
        <source>Tarot card</source>
        <translation>Tarotkarte</translation>
    </message>
    <message>
        <source>&lt;&lt; &amp;Back</source>
        <extracomment>Button: the previous card&apos;s page.</extracomment>
        <translation>&lt;&lt; &amp;Zurück</translation>
    </message>
    <message>
        <source>&amp;Next &gt;&gt;</source>
        <extracomment>Button: the next card&apos;s page.</extracomment>
        <translation>&amp;Weiter &gt;&gt;</translation>
    </message>
    <message>
        <source>tarot cards</source>
        <extracomment>What is printed, in a few lower-case words: the heading and the proposed PDF name use it.</extracomment>
        <translation>Tarotkarten</translation>
    </message>
</context>
<context>
    <name>padmora::TarotResultScreen</name>
    <message>
        <source>&amp;Back</source>
        <extracomment>File menu: back to the tarot&apos;s start screen.
----------
Button: back to the tarot&apos;s start screen.</extracomment>
        <translation>&amp;Zurück</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <extracomment>File menu: closes the result.
----------
Button: closes the result.</extracomment>
        <translation>&amp;Schließen</translation>
    </message>
    <message>
        <source>Chakras tarot report</source>
        <translation>Bericht des Chakra-Tarots</translation>
    </message>
    <message>
        <source>&amp;VQ Dovazov Urera Interpretation </source>
        <extracomment>Button to the card pages; &quot;VQ Dovazov Urera&quot; is the program&apos;s name and stays as it is.</extracomment>
        <translation>&amp;VQ Dovazov Urera – Deutung der Karten</translation>
    </message>
    <message>
        <source>chakras tarot</source>
        <extracomment>What is printed, in a few lower-case words: the heading and the proposed PDF name use it.</extracomment>
        <translation>Chakra-Tarot</translation>
    </message>
    <message>
        <source>Your tarot cards</source>
        <translation>Ihre Tarotkarten</translation>
    </message>
</context>
</TS>
