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
    <name>Chakras</name>
    <message>
        <source>Root Chakra</source>
        <translation>Wurzelchakra</translation>
    </message>
    <message>
        <source>Root Chakra (Muladhara)</source>
        <translation>Wurzelchakra (Muladhara)</translation>
    </message>
    <message>
        <source>This chakra is the root center at the bottom part of spine, which makes a person feel his physical strength and his survival instincts.</source>
        <translation>Dieses Chakra ist das Wurzelzentrum am unteren Ende der Wirbelsäule. Es lässt einen Menschen seine körperliche Kraft und seine Überlebensinstinkte spüren.</translation>
    </message>
    <message>
        <source>If this root energy is open you will feel grounded, calm, stable and secure. Generally you are well behaved do not cause trouble. You have great inner strength and are generally a comfortable presence.</source>
        <translation>Ist diese Wurzelenergie offen, fühlen Sie sich geerdet, ruhig, stabil und sicher. Im Allgemeinen verhalten Sie sich umgänglich und machen keine Schwierigkeiten. Sie besitzen große innere Stärke, und man ist meist gern in Ihrer Nähe.</translation>
    </message>
    <message>
        <source>In the over-active state you become greedy and obsessed with being secure and avoid changes in life. You are materialistic and money minded. You are too physical and violent. </source>
        <translation>Im überaktiven Zustand werden Sie gierig, sind von Sicherheit besessen und meiden Veränderungen im Leben. Sie sind materialistisch und aufs Geld bedacht. Sie sind zu sehr körperbetont und neigen zu Gewalt. </translation>
    </message>
    <message>
        <source>Fear, nervousness, inferiority and shyness are the consequences of an under-active energy of root chakra.</source>
        <translation>Angst, Nervosität, Minderwertigkeitsgefühle und Schüchternheit sind die Folgen einer unteraktiven Energie des Wurzelchakras.</translation>
    </message>
    <message>
        <source>Sacral Chakra</source>
        <translation>Sakralchakra</translation>
    </message>
    <message>
        <source>Sacral Chakra (Swadhisthanna)</source>
        <translation>Sakralchakra (Swadhisthanna)</translation>
    </message>
    <message>
        <source>This chakra is located just above the root chakra, which controls or stimulates the sexual desires, emotions and creativity.</source>
        <translation>Dieses Chakra liegt direkt über dem Wurzelchakra. Es steuert oder weckt das sexuelle Verlangen, die Gefühle und die Kreativität.</translation>
    </message>
    <message>
        <source>In open state this very center, maintains the level of feelings in a free flow manner, not making person very emotional. The individual behaves more lively with cool passion.</source>
        <translation>Im offenen Zustand hält gerade dieses Zentrum die Gefühle im freien Fluss, ohne den Menschen übermäßig emotional zu machen. Man verhält sich lebendiger, mit gelassener Leidenschaft.</translation>
    </message>
    <message>
        <source>In case of over-active state you get emotionally attached to your near and dears and possess wild sexual desires.</source>
        <translation>Im überaktiven Zustand hängen Sie emotional sehr an Ihren Liebsten und haben ein wildes sexuelles Verlangen.</translation>
    </message>
    <message>
        <source>In under-active state of this chakra makes you a pessimist, shy and inferior. You have a low sex drive and do not enjoy life. You may become very reserved and moody.</source>
        <translation>Der unteraktive Zustand dieses Chakras macht Sie zum Pessimisten, schüchtern und voller Minderwertigkeitsgefühle. Ihr sexuelles Verlangen ist gering, und Sie genießen das Leben nicht. Womöglich werden Sie sehr verschlossen und launisch.</translation>
    </message>
    <message>
        <source>Navel Chakra</source>
        <translation>Nabelchakra</translation>
    </message>
    <message>
        <source>Navel Chakra (Manipura)</source>
        <translation>Nabelchakra (Manipura)</translation>
    </message>
    <message>
        <source>The name itself suggests the location of this chakra, which is at the level of the navel. It controls the basic character of the person, which includes your energy and power.</source>
        <translation>Schon der Name verrät, wo dieses Chakra liegt: auf der Höhe des Nabels. Es bestimmt den Grundcharakter eines Menschen, zu dem auch Ihre Energie und Ihre Kraft gehören.</translation>
    </message>
    <message>
        <source>Open state of this chakra shows a balanced person with good self-esteem and confidence. You will be in control but not domineering.</source>
        <translation>Der offene Zustand dieses Chakras zeigt einen ausgeglichenen Menschen mit gesundem Selbstwertgefühl und Selbstvertrauen. Sie haben die Dinge im Griff, ohne herrschsüchtig zu sein.</translation>
    </message>
    <message>
        <source>Over-active state of this chakra makes you want to become powerful and you may be a dominating and aggressive person.</source>
        <translation>Der überaktive Zustand dieses Chakras weckt in Ihnen das Streben nach Macht, und Sie können ein dominanter und aggressiver Mensch sein.</translation>
    </message>
    <message>
        <source>The under-active makes you inactive and hesitant. Some fear always acts in the mind.</source>
        <translation>Der unteraktive Zustand macht Sie untätig und zögerlich. Stets wirkt eine gewisse Angst in Ihrem Geist.</translation>
    </message>
    <message>
        <source>Heart Chakra</source>
        <translation>Herzchakra</translation>
    </message>
    <message>
        <source>Heart Chakra (Anahata)</source>
        <translation>Herzchakra (Anahata)</translation>
    </message>
    <message>
        <source>World treats heart as the symbol of love and it is in fact, because the heart guides humble people. This chakra is all about love, affection and kindness.</source>
        <translation>Die Welt sieht im Herzen das Symbol der Liebe, und das ist es auch, denn das Herz leitet demütige Menschen. Bei diesem Chakra dreht sich alles um Liebe, Zuneigung und Güte.</translation>
    </message>
    <message>
        <source>In an open state of this chakra you are very friendly, loving, sympathetic and maintain compassionate relations with others.</source>
        <translation>Ist dieses Chakra offen, sind Sie sehr freundlich, liebevoll und verständnisvoll und pflegen mitfühlende Beziehungen zu anderen.</translation>
    </message>
    <message>
        <source>In an over-active state you are highly emotional, act by showing love for your own benefit, behave in a selfish manner and may be very moody.</source>
        <translation>Im überaktiven Zustand sind Sie sehr emotional, zeigen Liebe zum eigenen Vorteil, verhalten sich selbstsüchtig und können sehr launisch sein.</translation>
    </message>
    <message>
        <source>In an under-active state you are reserved and very calm and suppress your feelings.</source>
        <translation>Im unteraktiven Zustand sind Sie zurückhaltend und sehr still und unterdrücken Ihre Gefühle.</translation>
    </message>
    <message>
        <source>Throat Chakra</source>
        <translation>Halschakra</translation>
    </message>
    <message>
        <source>Throat Chakra (Vishuddha)</source>
        <translation>Halschakra (Vishuddha)</translation>
    </message>
    <message>
        <source>This chakra is all about expressing oneself and the kind of verbal behavior. This describes the growth of a person in terms of expression and communication.</source>
        <translation>Bei diesem Chakra geht es ganz um den Selbstausdruck und darum, wie man sich in Worten verhält. Es beschreibt, wie ein Mensch in Ausdruck und Kommunikation wächst.</translation>
    </message>
    <message>
        <source>In open you are bold enough to express your feelings. You have a clear mind and a compassionate heart.</source>
        <translation>Im offenen Zustand haben Sie den Mut, Ihre Gefühle auszudrücken. Sie haben einen klaren Verstand und ein mitfühlendes Herz.</translation>
    </message>
    <message>
        <source>In an over-active state you tend to speak too much being bad listeners, critical and sarcastic in nature.</source>
        <translation>Im überaktiven Zustand neigen Sie dazu, zu viel zu reden und schlecht zuzuhören, und Sie sind von Natur aus kritisch und sarkastisch.</translation>
    </message>
    <message>
        <source>When this chakra is under-active you may be an introvert and shy and sometimes hide the truth.</source>
        <translation>Ist dieses Chakra unteraktiv, sind Sie womöglich introvertiert und schüchtern und verschweigen manchmal die Wahrheit.</translation>
    </message>
    <message>
        <source>Third Eye Chakra</source>
        <translation>Stirnchakra</translation>
    </message>
    <message>
        <source>Third Eye Chakra (Ajna)</source>
        <translation>Stirnchakra (Ajna)</translation>
    </message>
    <message>
        <source>This state governs the nature of approach and vision of a person.</source>
        <translation>Dieses Chakra bestimmt, wie ein Mensch an die Dinge herangeht und wie er sie sieht.</translation>
    </message>
    <message>
        <source>When it is open you will have a good perception of things and a sound judgment.</source>
        <translation>Ist es offen, nehmen Sie die Dinge gut wahr und haben ein gesundes Urteilsvermögen.</translation>
    </message>
    <message>
        <source>In over-active state you may tend to wander in the world fantasies and may be moody.</source>
        <translation>Im überaktiven Zustand neigen Sie womöglich dazu, sich in Fantasiewelten zu verlieren, und können launisch sein.</translation>
    </message>
    <message>
        <source>You get confused and are dependent on others in the under-active state. You may be indecisive.</source>
        <translation>Im unteraktiven Zustand sind Sie verwirrt und von anderen abhängig. Womöglich sind Sie unentschlossen.</translation>
    </message>
    <message>
        <source>Crown Chakra</source>
        <translation>Kronenchakra</translation>
    </message>
    <message>
        <source>Crown Chakra (Sahasrara)</source>
        <translation>Kronenchakra (Sahasrara)</translation>
    </message>
    <message>
        <source>This chakra is all about perception and intelligence and your spiritual nature.</source>
        <translation>Bei diesem Chakra dreht sich alles um Wahrnehmung, Intelligenz und Ihr spirituelles Wesen.</translation>
    </message>
    <message>
        <source>Open state makes you neutral and quite conscious about the real world around you.</source>
        <translation>Der offene Zustand macht Sie unvoreingenommen und sehr aufmerksam für die wirkliche Welt um Sie herum.</translation>
    </message>
    <message>
        <source>Over-active state makes you overconfident and proud of your intelligence. You believe spirituality is the only need in life, ignoring their other basic needs of life.</source>
        <translation>Der überaktive Zustand macht Sie selbstüberschätzend und stolz auf Ihre Intelligenz. Sie halten Spiritualität für das einzige Bedürfnis im Leben und übersehen Ihre anderen Grundbedürfnisse.</translation>
    </message>
    <message>
        <source>Under-active state builds stubborn thinking in you and makes you unaware of spirituality.</source>
        <translation>Der unteraktive Zustand macht Ihr Denken starr und verschließt Ihnen den Blick für die Spiritualität.</translation>
    </message>
    <message>
        <source>UnderActive</source>
        <extracomment>A chakra&apos;s state: too little active</extracomment>
        <translation>unteraktiv</translation>
    </message>
    <message>
        <source>Open</source>
        <extracomment>A chakra&apos;s state: balanced (not the verb)</extracomment>
        <translation>offen</translation>
    </message>
    <message>
        <source>OverActive</source>
        <extracomment>A chakra&apos;s state: too active</extracomment>
        <translation>überaktiv</translation>
    </message>
    <message>
        <source> is %1</source>
        <extracomment>Follows a chakra&apos;s title; %1 is its state (&quot;Open&quot;)</extracomment>
        <translation> ist %1</translation>
    </message>
    <message>
        <source>Your %1 is %2</source>
        <extracomment>%1 is a chakra&apos;s title (&quot;Root Chakra (Muladhara)&quot;), %2 its state (&quot;Open&quot;)</extracomment>
        <translation>Ihr %1 ist %2</translation>
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
</context>
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
        <extracomment>A column&apos;s title: when the entry was taken.</extracomment>
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
    <message>
        <source>1 practice session</source>
        <translation>1 Übungseinheit</translation>
    </message>
    <message numerus="yes">
        <source>%n practice sessions</source>
        <translation>
            <numerusform>%n Übungseinheit</numerusform>
            <numerusform>%n Übungseinheiten</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <extracomment>%1 is a number of readings (&quot;3 readings&quot;), %2 of practice sessions (&quot;2 practice sessions&quot;).</extracomment>
        <translation>%1 und %2</translation>
    </message>
    <message>
        <source>d MMM yyyy</source>
        <comment>date format</comment>
        <extracomment>The form of a day in the trends&apos; words, as QDate::toString reads it (&quot;3 May 2026&quot;).</extracomment>
        <translation>d. MMM yyyy</translation>
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
        <translation>der Name ist für das Dateisystem zu lang</translation>
    </message>
    <message>
        <source>%1 already exists. Do you want to replace it?</source>
        <translation>%1 ist bereits vorhanden. Möchten Sie die Datei ersetzen?</translation>
    </message>
    <message>
        <source>it could not be written</source>
        <extracomment>Why a PDF could not be saved</extracomment>
        <translation>sie konnte nicht geschrieben werden</translation>
    </message>
    <message>
        <source>the folder %1 does not exist</source>
        <extracomment>Why a PDF could not be saved; %1 is a folder&apos;s path</extracomment>
        <translation>der Ordner %1 existiert nicht</translation>
    </message>
    <message>
        <source>%1 is not a folder</source>
        <extracomment>Why a PDF could not be saved; %1 is a path</extracomment>
        <translation>%1 ist kein Ordner</translation>
    </message>
    <message>
        <source>a folder of that name is there</source>
        <extracomment>Why a PDF could not be saved</extracomment>
        <translation>dort gibt es bereits einen Ordner mit diesem Namen</translation>
    </message>
    <message>
        <source>the folder %1 is read-only</source>
        <extracomment>Why a PDF could not be saved; %1 is a folder&apos;s path</extracomment>
        <translation>der Ordner %1 ist schreibgeschützt</translation>
    </message>
    <message>
        <source>Printing is not available: %1.</source>
        <extracomment>%1 says why the printer module could not be loaded</extracomment>
        <translation>Drucken ist nicht möglich: %1.</translation>
    </message>
    <message>
        <source>The reading could not be printed.</source>
        <translation>Die Deutung konnte nicht gedruckt werden.</translation>
    </message>
    <message>
        <source>The PDF could not be saved as %1: %2.</source>
        <extracomment>%1 is the PDF&apos;s path, %2 why it could not be saved (&quot;the folder … is read-only&quot;)</extracomment>
        <translation>Die PDF-Datei konnte nicht als %1 gespeichert werden: %2.</translation>
    </message>
    <message>
        <source>Save as PDF</source>
        <translation>Als PDF speichern</translation>
    </message>
    <message>
        <source>PDF files (*.pdf)</source>
        <extracomment>The file dialog&apos;s filter: keep &quot;(*.pdf)&quot; as it is</extracomment>
        <translation>PDF-Dateien (*.pdf)</translation>
    </message>
    <message>
        <source>Page %1 of %2</source>
        <extracomment>A printed page&apos;s footer: %1 is the page&apos;s number, %2 how many pages there are</extracomment>
        <translation>Seite %1 von %2</translation>
    </message>
</context>
<context>
    <name>Questions</name>
    <message>
        <source>Do you have a good sense of direction?</source>
        <translation>Haben Sie einen guten Orientierungssinn?</translation>
    </message>
    <message>
        <source>Do you feel physically active and fit?</source>
        <translation>Fühlen Sie sich körperlich aktiv und fit?</translation>
    </message>
    <message>
        <source>Does it matter if you do not have material comforts?</source>
        <translation>Macht es Ihnen etwas aus, wenn Ihnen materieller Komfort fehlt?</translation>
    </message>
    <message>
        <source>Do you feel comfortable in the presence of unknown people?</source>
        <translation>Fühlen Sie sich in Gegenwart fremder Menschen wohl?</translation>
    </message>
    <message>
        <source>Do you feel grounded and stable?</source>
        <translation>Fühlen Sie sich geerdet und stabil?</translation>
    </message>
    <message>
        <source>Do you feel connected to the oneness of the universe?</source>
        <translation>Fühlen Sie sich mit der Einheit des Universums verbunden?</translation>
    </message>
    <message>
        <source>Do you have good survival instincts?</source>
        <translation>Haben Sie gute Überlebensinstinkte?</translation>
    </message>
    <message>
        <source>Do you have the courage to stand up for yourself?</source>
        <translation>Haben Sie den Mut, für sich selbst einzustehen?</translation>
    </message>
    <message>
        <source>Don&apos;t you believe in creativity?</source>
        <translation>Glauben Sie nicht an Kreativität?</translation>
    </message>
    <message>
        <source>Do you have no control over your feelings?</source>
        <translation>Haben Sie keine Kontrolle über Ihre Gefühle?</translation>
    </message>
    <message>
        <source>Do you feel unbalanced in your relationships with others?</source>
        <translation>Fühlen Sie sich in Ihren Beziehungen zu anderen unausgeglichen?</translation>
    </message>
    <message>
        <source>Do you lack excitement and fail to get emotional about issues?</source>
        <translation>Fehlt es Ihnen an Begeisterung, und lassen die Dinge Sie gefühlsmäßig kalt?</translation>
    </message>
    <message>
        <source>Do you feel uninterested in sex for pleasure?</source>
        <translation>Haben Sie kein Interesse an Sex zum Vergnügen?</translation>
    </message>
    <message>
        <source>Do you feel connected to the present?</source>
        <translation>Fühlen Sie sich mit der Gegenwart verbunden?</translation>
    </message>
    <message>
        <source>Do you feel that you do not relate to people?</source>
        <translation>Haben Sie das Gefühl, keinen Zugang zu anderen Menschen zu finden?</translation>
    </message>
    <message>
        <source>Do you feel better when you don&apos;t let go of  your emotions?</source>
        <translation>Fühlen Sie sich besser, wenn Sie Ihren Gefühlen keinen freien Lauf lassen?</translation>
    </message>
    <message>
        <source>Do you feel self confident and self reliant?</source>
        <translation>Fühlen Sie sich selbstbewusst und selbstständig?</translation>
    </message>
    <message>
        <source>Do you feel you can change your life when circumstances demand?</source>
        <translation>Glauben Sie, dass Sie Ihr Leben ändern können, wenn die Umstände es verlangen?</translation>
    </message>
    <message>
        <source>Do you submit yourself to the natural flow of life?</source>
        <translation>Überlassen Sie sich dem natürlichen Fluss des Lebens?</translation>
    </message>
    <message>
        <source>Do you believe you can achieve all the goals you set for yourself?</source>
        <translation>Glauben Sie, dass Sie alle Ziele erreichen können, die Sie sich setzen?</translation>
    </message>
    <message>
        <source>Do you treat yourself with respect and honor?</source>
        <translation>Behandeln Sie sich selbst mit Respekt und Achtung?</translation>
    </message>
    <message>
        <source>Are you a good decision maker?</source>
        <translation>Können Sie gut Entscheidungen treffen?</translation>
    </message>
    <message>
        <source>Do you have a sense of humor?</source>
        <translation>Haben Sie Sinn für Humor?</translation>
    </message>
    <message>
        <source>Do you believe you have the right balance of ego, self-control and intellect?</source>
        <translation>Glauben Sie, dass Ego, Selbstbeherrschung und Verstand bei Ihnen im richtigen Gleichgewicht sind?</translation>
    </message>
    <message>
        <source>Do you have a bad temperament and are always moody?</source>
        <translation>Sind Sie leicht reizbar und ständig launisch?</translation>
    </message>
    <message>
        <source>Do you feel jealous and envious about others?</source>
        <translation>Sind Sie eifersüchtig und neidisch auf andere?</translation>
    </message>
    <message>
        <source>Do you fear being rejected or abandoned?</source>
        <translation>Fürchten Sie, abgelehnt oder verlassen zu werden?</translation>
    </message>
    <message>
        <source>Do you find it easy to say no to others?</source>
        <translation>Fällt es Ihnen leicht, anderen gegenüber Nein zu sagen?</translation>
    </message>
    <message>
        <source>Do you feel unconditional love can never be achieved?</source>
        <translation>Glauben Sie, dass bedingungslose Liebe nie zu erreichen ist?</translation>
    </message>
    <message>
        <source>Do you feel disconnected from your emotions?</source>
        <translation>Fühlen Sie sich von Ihren Gefühlen abgeschnitten?</translation>
    </message>
    <message>
        <source>Do you feel restricted and suffocated in life?</source>
        <translation>Fühlen Sie sich im Leben eingeengt und erdrückt?</translation>
    </message>
    <message>
        <source>Do you feel immune to the pain of loss?</source>
        <translation>Fühlen Sie sich gegen den Schmerz eines Verlusts gefeit?</translation>
    </message>
    <message>
        <source>Do you have good planning and organizational skills?</source>
        <translation>Können Sie gut planen und organisieren?</translation>
    </message>
    <message>
        <source>Do you communicate easily with others?</source>
        <translation>Fällt Ihnen die Verständigung mit anderen leicht?</translation>
    </message>
    <message>
        <source>Do you feel your heart and mind are balanced?</source>
        <translation>Haben Sie das Gefühl, dass Herz und Verstand bei Ihnen im Gleichgewicht sind?</translation>
    </message>
    <message>
        <source>Do you express yourself through some art form like dancing singing, painting etc?</source>
        <translation>Drücken Sie sich in einer Kunstform aus, etwa durch Tanzen, Singen oder Malen?</translation>
    </message>
    <message>
        <source>Do you balance talking and listening while speaking to people?</source>
        <translation>Halten Sie im Gespräch mit anderen Reden und Zuhören im Gleichgewicht?</translation>
    </message>
    <message>
        <source>Do you have faith in belief and family traditions?</source>
        <translation>Vertrauen Sie auf Glauben und Familientraditionen?</translation>
    </message>
    <message>
        <source>Are you honest with others irrespective of circumstances and always speak the truth?</source>
        <translation>Sind Sie unter allen Umständen ehrlich zu anderen und sagen stets die Wahrheit?</translation>
    </message>
    <message>
        <source>Do you believe in loyalty? </source>
        <translation>Glauben Sie an Loyalität? </translation>
    </message>
    <message>
        <source>Do you depend on others to make your decisions? </source>
        <translation>Sind Sie darauf angewiesen, dass andere Ihre Entscheidungen treffen? </translation>
    </message>
    <message>
        <source>Do you have zero faith in your deep insight and sound judgment?</source>
        <translation>Haben Sie keinerlei Vertrauen in Ihre tiefe Einsicht und Ihr gesundes Urteilsvermögen?</translation>
    </message>
    <message>
        <source>Do you feel that intuition about things doesn&apos;t exist in reality?</source>
        <translation>Glauben Sie, dass es Intuition in Wirklichkeit nicht gibt?</translation>
    </message>
    <message>
        <source>Do you fantasize a lot or are you level headed?</source>
        <translation>Hängen Sie oft Fantasien nach, oder sind Sie eher nüchtern?</translation>
    </message>
    <message>
        <source>Do you have negative thoughts?</source>
        <translation>Haben Sie negative Gedanken?</translation>
    </message>
    <message>
        <source>Do you fail to see the &apos;big picture&apos;?</source>
        <translation>Fällt es Ihnen schwer, das „große Ganze“ zu sehen?</translation>
    </message>
    <message>
        <source>Do you feel that developing your psychic and intuitive powers is useless?</source>
        <translation>Halten Sie es für nutzlos, Ihre übersinnlichen und intuitiven Kräfte zu entwickeln?</translation>
    </message>
    <message>
        <source>Do you feel moody and depressed?</source>
        <translation>Fühlen Sie sich launisch und niedergeschlagen?</translation>
    </message>
    <message>
        <source>Do you believe in spirituality?</source>
        <translation>Glauben Sie an Spiritualität?</translation>
    </message>
    <message>
        <source>Do you believe in a proper balance between spirituality and reality?</source>
        <translation>Glauben Sie an ein ausgewogenes Verhältnis zwischen Spiritualität und Wirklichkeit?</translation>
    </message>
    <message>
        <source>Can you integrate your wisdom with your intuitive powers?</source>
        <translation>Können Sie Ihre Weisheit mit Ihren intuitiven Kräften verbinden?</translation>
    </message>
    <message>
        <source>Do you have more faith in the divine wisdom than in your abilities?</source>
        <translation>Vertrauen Sie der göttlichen Weisheit mehr als Ihren eigenen Fähigkeiten?</translation>
    </message>
    <message>
        <source>Do you feel united with the Divine Source?</source>
        <translation>Fühlen Sie sich mit der göttlichen Quelle vereint?</translation>
    </message>
    <message>
        <source>Do you believe in the higher levels of knowledge and consciousness?</source>
        <translation>Glauben Sie an höhere Ebenen des Wissens und des Bewusstseins?</translation>
    </message>
    <message>
        <source>Do you have a feeling of spiritual knowingness and enlightenment?</source>
        <translation>Haben Sie ein Gefühl spirituellen Wissens und der Erleuchtung?</translation>
    </message>
    <message>
        <source>Do you feel unattached from the real world?</source>
        <translation>Fühlen Sie sich von der wirklichen Welt losgelöst?</translation>
    </message>
    <message>
        <source>Yes</source>
        <extracomment>An answer to a question</extracomment>
        <translation>Ja</translation>
    </message>
    <message>
        <source>No</source>
        <extracomment>An answer to a question</extracomment>
        <translation>Nein</translation>
    </message>
    <message>
        <source>Not Sure</source>
        <extracomment>An answer to a question</extracomment>
        <translation>Nicht sicher</translation>
    </message>
</context>
<context>
    <name>Report</name>
    <message>
        <source>Questions-Answers</source>
        <extracomment>The heading over the questions asked and their answers</extracomment>
        <translation>Fragen und Antworten</translation>
    </message>
</context>
<context>
    <name>Results</name>
    <message>
        <source>%1 of %2</source>
        <extracomment>A chakra&apos;s score: %1 answers counted of %2 questions</extracomment>
        <translation>%1 von %2</translation>
    </message>
    <message>
        <source>Chakras are energy centers aligned in a vertical line through the center of the body and responsible for the state of our mind, body and spirit. These are seven nerve centers along the spine, which balances our endocrine and central nervous system and are called &apos;chakras&apos; (Sanskrit term). Whoever can control and maintain stability of these inner energies is the one who is blessed with a holy life, they are said to be mahatmas (Sanskrit) or holy souls with high power of practicing meditation.</source>
        <translation>Chakren sind Energiezentren, die in einer senkrechten Linie durch die Mitte des Körpers angeordnet sind und den Zustand von Geist, Körper und Seele bestimmen. Es sind sieben Nervenzentren entlang der Wirbelsäule, die unser Hormonsystem und unser zentrales Nervensystem im Gleichgewicht halten; man nennt sie „Chakren“ (ein Begriff aus dem Sanskrit). Wer diese inneren Energien lenken und im Gleichgewicht halten kann, ist mit einem heiligen Leben gesegnet; solche Menschen nennt man Mahatmas (Sanskrit), heilige Seelen mit großer Kraft in der Meditation.</translation>
    </message>
    <message>
        <source>It&apos;s very important that all Chakras are active and balanced for them to work at the maximum level and for general well being. Chakra balancing is needed to overcome deficient functioning of the mind, body and spirit. Chakras are over-active, open or under-active.</source>
        <translation>Es ist sehr wichtig, dass alle Chakren aktiv und ausgeglichen sind, damit sie voll wirken können und für das allgemeine Wohlbefinden. Der Ausgleich der Chakren ist nötig, um Störungen von Geist, Körper und Seele zu überwinden. Chakren sind überaktiv, offen oder unteraktiv.</translation>
    </message>
    <message>
        <source>%1: not tested</source>
        <extracomment>%1 is a chakra&apos;s title (&quot;Root Chakra (Muladhara)&quot;)</extracomment>
        <translation>%1: nicht getestet</translation>
    </message>
    <message>
        <source>%1: %2, %3</source>
        <extracomment>%1 is a chakra&apos;s title, %2 its score (&quot;5 of 8&quot;), %3 its state (&quot;Open&quot;)</extracomment>
        <translation>%1: %2, %3</translation>
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
    <name>padmora::QuestionsScreen</name>
    <message>
        <source>&amp;Next</source>
        <translation>&amp;Weiter</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation>&amp;Zurück</translation>
    </message>
    <message>
        <source>Question</source>
        <translation>Frage</translation>
    </message>
    <message>
        <source>Remember to answer each question as truthfully as you can.</source>
        <translation>Denken Sie daran, jede Frage so ehrlich wie möglich zu beantworten.</translation>
    </message>
    <message>
        <source>&lt;&lt; &amp;Back</source>
        <translation>&lt;&lt; &amp;Zurück</translation>
    </message>
    <message>
        <source>&amp;Next &gt;&gt;</source>
        <translation>&amp;Weiter &gt;&gt;</translation>
    </message>
    <message>
        <source>%1. %2</source>
        <extracomment>The answers&apos; group, read out: %1 is &quot;Question No. 1 of 8&quot;, %2 the question</extracomment>
        <translation>%1. %2</translation>
    </message>
    <message>
        <source>Question No. %1 of %2</source>
        <extracomment>%1 is the number of the question on show, %2 how many there are</extracomment>
        <translation>Frage Nr. %1 von %2</translation>
    </message>
</context>
<context>
    <name>padmora::ResultScreen</name>
    <message>
        <source>&amp;Practise…</source>
        <translation>Ü&amp;ben…</translation>
    </message>
    <message>
        <source>A guided practice of the exercise of each chakra that is not open</source>
        <translation>Eine angeleitete Übung für jedes Chakra, das nicht offen ist</translation>
    </message>
</context>
<context>
    <name>padmora::StartScreen</name>
    <message>
        <source>&amp;Exit</source>
        <translation>&amp;Schließen</translation>
    </message>
    <message>
        <source>START TEST</source>
        <translation>TEST STARTEN</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>The Seven Chakras are as seen below. This test will help you in determining how active or inactive your Chakras are. All you need to do is answer the questions truthfully and to the best of your ability. Taking this test on a regular basis and taking time to take appropriate steps to activate your chakras will help you develop your inner self and lead a happy and more fruitful life. Visit the Padmora forum at %1 to get advice and interact with experts and people like yourself in order to have a wider perspective.</source>
        <extracomment>%1 is the forum&apos;s host name</extracomment>
        <translation>Unten sehen Sie die sieben Chakren. Dieser Test hilft Ihnen herauszufinden, wie aktiv oder inaktiv Ihre Chakren sind. Sie müssen nur die Fragen ehrlich und nach bestem Wissen beantworten. Wenn Sie den Test regelmäßig machen und sich Zeit für geeignete Schritte nehmen, um Ihre Chakren zu aktivieren, entfalten Sie Ihr inneres Selbst und führen ein glücklicheres und erfüllteres Leben. Besuchen Sie das Padmora-Forum unter %1: Dort finden Sie Rat und tauschen sich mit Fachleuten und Menschen wie Ihnen aus, um Ihren Blick zu weiten.</translation>
    </message>
    <message>
        <source>There are 8 Questions for each Chakra. You can take the test individually or in any combination you feel comfortable.</source>
        <translation>Zu jedem Chakra gibt es 8 Fragen. Sie können den Test für einzelne Chakren machen oder in jeder Zusammenstellung, die Ihnen zusagt.</translation>
    </message>
    <message>
        <source>Please Select at least One Chakras</source>
        <translation>Bitte wählen Sie mindestens ein Chakra aus</translation>
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
<context>
    <name>padmora::TestResultScreen</name>
    <message>
        <source>Results From The Chakra Test</source>
        <translation>Ergebnisse des Chakra-Tests</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation>&amp;Zurück</translation>
    </message>
    <message>
        <source>Chakra test report</source>
        <translation>Bericht des Chakra-Tests</translation>
    </message>
    <message>
        <source>chakra test</source>
        <extracomment>What the reading is, in lower case as in a sentence: heads the printed reading and names its PDF</extracomment>
        <translation>Chakra-Test</translation>
    </message>
</context>
</TS>
