<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ta">
<context>
    <name>Months</name>
    <message>
        <source>January</source>
        <translation>ஜனவரி</translation>
    </message>
    <message>
        <source>February</source>
        <translation>பிப்ரவரி</translation>
    </message>
    <message>
        <source>March</source>
        <translation>மார்ச்</translation>
    </message>
    <message>
        <source>April</source>
        <translation>ஏப்ரல்</translation>
    </message>
    <message>
        <source>May</source>
        <translation>மே</translation>
    </message>
    <message>
        <source>June</source>
        <translation>ஜூன்</translation>
    </message>
    <message>
        <source>July</source>
        <translation>ஜூலை</translation>
    </message>
    <message>
        <source>August</source>
        <translation>ஆகஸ்ட்</translation>
    </message>
    <message>
        <source>September</source>
        <translation>செப்டம்பர்</translation>
    </message>
    <message>
        <source>October</source>
        <translation>அக்டோபர்</translation>
    </message>
    <message>
        <source>November</source>
        <translation>நவம்பர்</translation>
    </message>
    <message>
        <source>December</source>
        <translation>டிசம்பர்</translation>
    </message>
</context>
<context>
    <name>QPlatformTheme</name>
    <message>
        <source>OK</source>
        <translation>சரி</translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation>ஆம் (&amp;Y)</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>இல்லை (&amp;N)</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>Application is already running</source>
        <translation>Velmora ஏற்கெனவே இயங்கிக்கொண்டிருக்கிறது</translation>
    </message>
</context>
<context>
    <name>velmora::BirthFormPanel</name>
    <message>
        <source>Please Enter City</source>
        <translation>நகரத்தை உள்ளிடவும்</translation>
    </message>
    <message>
        <source>Please Enter State</source>
        <translation>மாநிலத்தை உள்ளிடவும்</translation>
    </message>
    <message>
        <source>Please Enter Country</source>
        <translation>நாட்டை உள்ளிடவும்</translation>
    </message>
    <message>
        <source>&amp;Open Previously Saved Reading</source>
        <translation>முன்பு சேமித்த பலனைத் திற (&amp;O)</translation>
    </message>
    <message>
        <source>The Five Birds as per the Tamil Astrology Or Panch-Pakshi Shastra are:</source>
        <translation>தமிழ் ஜோதிடம் எனப்படும் பஞ்சபட்சி சாஸ்திரத்தின்படி ஐந்து பட்சிகள் வருமாறு:</translation>
    </message>
    <message>
        <source>Personal Details</source>
        <translation>தனிப்பட்ட விவரங்கள்</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>பெயர்</translation>
    </message>
    <message>
        <source>Birth month</source>
        <translation>பிறந்த மாதம்</translation>
    </message>
    <message>
        <source>Birth day</source>
        <translation>பிறந்த தேதி (நாள்)</translation>
    </message>
    <message>
        <source>Birth year</source>
        <translation>பிறந்த ஆண்டு</translation>
    </message>
    <message>
        <source>Date of Birth</source>
        <translation>பிறந்த தேதி</translation>
    </message>
    <message>
        <source>Birth hour</source>
        <translation>பிறந்த மணி</translation>
    </message>
    <message>
        <source>Birth minute</source>
        <translation>பிறந்த நிமிடம்</translation>
    </message>
    <message>
        <source>Birth second</source>
        <translation>பிறந்த வினாடி</translation>
    </message>
    <message>
        <source>HH:MM:SS</source>
        <translation>ம:நி:வி</translation>
    </message>
    <message>
        <source>Time of Birth</source>
        <translation>பிறந்த நேரம்</translation>
    </message>
    <message>
        <source>Time zone hours</source>
        <translation>நேர மண்டல மணி</translation>
    </message>
    <message>
        <source>Time zone minutes</source>
        <translation>நேர மண்டல நிமிடம்</translation>
    </message>
    <message>
        <source>DST</source>
        <translation>கோடை நேரம்</translation>
    </message>
    <message>
        <source>TZ Help</source>
        <translation>நேர மண்டல உதவி</translation>
    </message>
    <message>
        <source>Hour</source>
        <translation>ம.</translation>
    </message>
    <message>
        <source>Min</source>
        <translation>நி.</translation>
    </message>
    <message>
        <source>Time Zone</source>
        <translation>நேர மண்டலம்</translation>
    </message>
    <message>
        <source>Show My Tamil Astrology Result</source>
        <translation>என் தமிழ் ஜோதிடப் பலனைக் காட்டு</translation>
    </message>
    <message>
        <source>Deg</source>
        <translation>பாகை</translation>
    </message>
    <message>
        <source>Latitude</source>
        <translation>அட்சரேகை</translation>
    </message>
    <message>
        <source>Latitude degrees</source>
        <translation>அட்சரேகைப் பாகை</translation>
    </message>
    <message>
        <source>Latitude minutes</source>
        <translation>அட்சரேகைக் கலை</translation>
    </message>
    <message>
        <source>North</source>
        <translation>வடக்கு</translation>
    </message>
    <message>
        <source>South</source>
        <translation>தெற்கு</translation>
    </message>
    <message>
        <source>Longitude</source>
        <translation>தீர்க்கரேகை</translation>
    </message>
    <message>
        <source>Longitude degrees</source>
        <translation>தீர்க்கரேகைப் பாகை</translation>
    </message>
    <message>
        <source>Longitude minutes</source>
        <translation>தீர்க்கரேகைக் கலை</translation>
    </message>
    <message>
        <source>East</source>
        <translation>கிழக்கு</translation>
    </message>
    <message>
        <source>West</source>
        <translation>மேற்கு</translation>
    </message>
    <message>
        <source>City</source>
        <translation>நகரம்</translation>
    </message>
    <message>
        <source>State</source>
        <translation>மாநிலம்</translation>
    </message>
    <message>
        <source>Country</source>
        <translation>நாடு</translation>
    </message>
    <message>
        <source>Click Here To Find
Latitude &amp;&amp; Longitude</source>
        <translation>அட்சரேகை, தீர்க்கரேகை
அறிய இங்கே அழுத்தவும்</translation>
    </message>
    <message>
        <source>Click Here To Find Latitude &amp; Longitude</source>
        <translation>அட்சரேகை, தீர்க்கரேகை அறிய இங்கே அழுத்தவும்</translation>
    </message>
    <message>
        <source>Min</source>
        <comment>minutes of arc</comment>
        <translation>கலை</translation>
    </message>
</context>
<context>
    <name>velmora::DayFacts</name>
    <message>
        <source>The Sun does not set here for more than a day (polar day): this date has no periods.</source>
        <translation>இங்கு சூரியன் ஒரு நாளுக்கு மேல் மறைவதில்லை (துருவப் பகல்): இந்தத் தேதிக்கு ஜாமங்கள் இல்லை.</translation>
    </message>
    <message>
        <source>The Sun does not rise again here for more than a day (polar night): this date has no periods.</source>
        <translation>இங்கு சூரியன் ஒரு நாளுக்கு மேல் மீண்டும் உதிப்பதில்லை (துருவ இரவு): இந்தத் தேதிக்கு ஜாமங்கள் இல்லை.</translation>
    </message>
    <message>
        <source>The Sun does not rise here on this date, though it is not a polar day: the day before runs over it, so this date has no periods of its own.</source>
        <translation>துருவப் பகல் இல்லாவிட்டாலும் இந்தத் தேதியில் இங்கு சூரியன் உதிப்பதில்லை: முந்தைய நாள் இதன் மேலும் நீள்கிறது, ஆகவே இந்தத் தேதிக்குத் தனி ஜாமங்கள் இல்லை.</translation>
    </message>
    <message>
        <source>A ruling day of the %1, by day and by night.</source>
        <translation>இது %1 பட்சியின் அரசு நாள் (பகலிலும் இரவிலும்).</translation>
    </message>
    <message>
        <source>A ruling day of the %1 (day time).</source>
        <translation>இது %1 பட்சியின் அரசு நாள் (பகல்).</translation>
    </message>
    <message>
        <source>A ruling day of the %1 (night time).</source>
        <translation>இது %1 பட்சியின் அரசு நாள் (இரவு).</translation>
    </message>
    <message>
        <source>A death day of the %1: its weakest day.</source>
        <translation>இது %1 பட்சியின் படு நாள்: அதன் வலிமை மிகக் குறைந்த நாள்.</translation>
    </message>
    <message>
        <source>Neither a ruling day nor a death day of the %1.</source>
        <translation>இது %1 பட்சியின் அரசு நாளும் அல்ல, படு நாளும் அல்ல.</translation>
    </message>
    <message>
        <source>%1 on %2</source>
        <translation>%2, %1</translation>
    </message>
    <message>
        <source>The %1 does not rule in the %2 days that follow at this place.</source>
        <translation>இந்த இடத்தில் அடுத்த %2 நாட்களில் %1 பட்சிக்கு அரசு ஜாமம் இல்லை.</translation>
    </message>
    <message>
        <source>The %1 rules now, until %2.</source>
        <translation>%1 பட்சி இப்போது அரசில் இருக்கிறது, %2 வரை.</translation>
    </message>
    <message>
        <source>The %1 next rules from %2 until %3.</source>
        <translation>%1 பட்சி அடுத்து %2 முதல் %3 வரை அரசில் இருக்கும்.</translation>
    </message>
    <message>
        <source>Day %1</source>
        <translation>பகல் ஜாமம் %1</translation>
    </message>
    <message>
        <source>Night %1</source>
        <translation>இரவு ஜாமம் %1</translation>
    </message>
    <message>
        <source>Weekday</source>
        <translation>கிழமை</translation>
    </message>
    <message>
        <source>Fortnight</source>
        <translation>பட்சம்</translation>
    </message>
    <message>
        <source>Star</source>
        <translation>நட்சத்திரம்</translation>
    </message>
    <message>
        <source>Tithi</source>
        <translation>திதி</translation>
    </message>
    <message>
        <source>Sunrise</source>
        <translation>சூரிய உதயம்</translation>
    </message>
    <message>
        <source>Sunset</source>
        <translation>சூரிய அஸ்தமனம்</translation>
    </message>
    <message>
        <source>The %1&apos;s day: %2</source>
        <translation>%1 பட்சியின் நாள்: %2</translation>
    </message>
</context>
<context>
    <name>velmora::DayTimeline</name>
    <message>
        <source>(now)</source>
        <translation>(இப்போது)</translation>
    </message>
</context>
<context>
    <name>velmora::DayView</name>
    <message>
        <source>Timeline of the day&apos;s ten periods</source>
        <translation>நாளின் பத்து ஜாமங்களின் காலவரிசை</translation>
    </message>
    <message>
        <source>Show sub-&amp;periods</source>
        <translation>உட்பிரிவுகளைக் காட்டு (&amp;P)</translation>
    </message>
    <message>
        <source>Periods and sub-periods</source>
        <translation>ஜாமங்களும் உட்பிரிவுகளும்</translation>
    </message>
    <message>
        <source>Period</source>
        <translation>ஜாமம்</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>நேரம்</translation>
    </message>
    <message>
        <source>Activity</source>
        <translation>தொழில்</translation>
    </message>
    <message>
        <source>Strength</source>
        <translation>வலிமை</translation>
    </message>
</context>
<context>
    <name>velmora::Links</name>
    <message>
        <source>There maybe an update to this software available<byte value="xd"/>Do you want to check for an update?</source>
        <translation>இந்த மென்பொருளுக்குப் புதிய பதிப்பு வந்திருக்கலாம்.<byte value="xd"/>புதுப்பிப்பு உள்ளதா எனப் பார்க்க வேண்டுமா?</translation>
    </message>
</context>
<context>
    <name>velmora::LocationLookupLoader</name>
    <message>
        <source>The place look-up could not be opened: %1</source>
        <translation>இடத் தேடலைத் திறக்க முடியவில்லை: %1</translation>
    </message>
    <message>
        <source>its module is not installed.</source>
        <translation>அதன் தொகுதி நிறுவப்படவில்லை.</translation>
    </message>
    <message>
        <source>The time zone %1 is not in the time-zone database.</source>
        <translation>நேர மண்டலம் %1 நேர மண்டலத் தரவுத்தளத்தில் இல்லை.</translation>
    </message>
</context>
<context>
    <name>velmora::LocationLookupWindow</name>
    <message>
        <source>No place found</source>
        <translation>எந்த இடமும் கிடைக்கவில்லை</translation>
    </message>
    <message>
        <source>&amp;Use This Place</source>
        <translation>இந்த இடத்தைப் பயன்படுத்து (&amp;U)</translation>
    </message>
    <message>
        <source>Find Latitude &amp; Longitude - Velmora</source>
        <translation>அட்சரேகை, தீர்க்கரேகை கண்டறிதல் - Velmora</translation>
    </message>
    <message>
        <source>City, then state and country</source>
        <translation>நகரம், பின் மாநிலம், நாடு</translation>
    </message>
    <message>
        <source>Place</source>
        <translation>இடம்</translation>
    </message>
    <message>
        <source>State</source>
        <translation>மாநிலம்</translation>
    </message>
    <message>
        <source>Country</source>
        <translation>நாடு</translation>
    </message>
    <message>
        <source>Latitude</source>
        <translation>அட்சரேகை</translation>
    </message>
    <message>
        <source>Longitude</source>
        <translation>தீர்க்கரேகை</translation>
    </message>
    <message>
        <source>UTC offset</source>
        <translation>UTC வேறுபாடு</translation>
    </message>
    <message>
        <source>Daylight saving</source>
        <translation>கோடை நேரம்</translation>
    </message>
    <message>
        <source>Time zone</source>
        <translation>நேர மண்டலம்</translation>
    </message>
    <message>
        <source>Type the degrees and minutes into Latitude and Longitude and choose North or South, East or West. Type the standard offset into the time zone&apos;s Hour and Min, and tick DST when daylight saving applied on the birth date.</source>
        <translation>அட்சரேகை, தீர்க்கரேகை ஆகியவற்றில் பாகையையும் கலையையும் தட்டச்சு செய்து, வடக்கா தெற்கா, கிழக்கா மேற்கா என்பதைத் தேர்ந்தெடுக்கவும். நேர மண்டலத்தின் ம., நி. பெட்டிகளில் சீர் நேர வேறுபாட்டைத் தட்டச்சு செய்து, பிறந்த தேதியில் கோடை நேரம் நடைமுறையில் இருந்திருந்தால் கோடை நேரம் பெட்டியைத் தேர்வு செய்யவும்.</translation>
    </message>
    <message>
        <source>Search the &amp;Web</source>
        <translation>இணையத்தில் தேடு (&amp;W)</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>மூடு (&amp;C)</translation>
    </message>
    <message>
        <source>&amp;Place:</source>
        <translation>இடம் (&amp;P):</translation>
    </message>
    <message>
        <source>the UTC offset and daylight saving are shown for this day</source>
        <translation>UTC வேறுபாடும் கோடை நேரமும் இந்த நாளுக்குரியவை</translation>
    </message>
    <message>
        <source>&amp;Date:</source>
        <translation>தேதி (&amp;D):</translation>
    </message>
    <message>
        <source>Type the name of a city</source>
        <translation>ஒரு நகரத்தின் பெயரைத் தட்டச்சு செய்யவும்</translation>
    </message>
    <message>
        <source>1 place found</source>
        <translation>1 இடம் கிடைத்தது</translation>
    </message>
    <message>
        <source>%1 places found, best first</source>
        <translation>%1 இடங்கள் கிடைத்தன; பொருத்தமானவை முதலில்</translation>
    </message>
    <message>
        <source>yes, standard %1</source>
        <translation>ஆம், சீர் நேரம் %1</translation>
    </message>
    <message>
        <source>no</source>
        <translation>இல்லை</translation>
    </message>
    <message>
        <source>Caution: </source>
        <translation>எச்சரிக்கை: </translation>
    </message>
</context>
<context>
    <name>velmora::PlanList</name>
    <message>
        <source>Good times, by day</source>
        <translation>நல்ல நேரங்கள், நாள்வாரியாக</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>தொடக்கம்</translation>
    </message>
    <message>
        <source>End</source>
        <translation>முடிவு</translation>
    </message>
    <message>
        <source>Lowest strength</source>
        <translation>குறைந்த வலிமை</translation>
    </message>
    <message>
        <source>Activities</source>
        <translation>தொழில்கள்</translation>
    </message>
</context>
<context>
    <name>velmora::PlanReport</name>
    <message>
        <source>any</source>
        <translation>எதுவும்</translation>
    </message>
    <message>
        <source>every day</source>
        <translation>எல்லா நாட்களும்</translation>
    </message>
    <message>
        <source>the bird&apos;s death days left out</source>
        <translation>பட்சியின் படு நாட்கள் நீங்கலாக</translation>
    </message>
    <message>
        <source>the bird&apos;s ruling days only</source>
        <translation>பட்சியின் அரசு நாட்கள் மட்டும்</translation>
    </message>
    <message>
        <source>The plan</source>
        <translation>திட்டம்</translation>
    </message>
    <message>
        <source>Bird</source>
        <translation>பட்சி</translation>
    </message>
    <message>
        <source>Place</source>
        <translation>இடம்</translation>
    </message>
    <message>
        <source>Dates</source>
        <translation>தேதிகள்</translation>
    </message>
    <message>
        <source>Periods</source>
        <translation>ஜாமங்கள்</translation>
    </message>
    <message>
        <source>Sub-periods</source>
        <translation>உட்பிரிவுகள்</translation>
    </message>
    <message>
        <source>Strength at least</source>
        <translation>குறைந்தபட்ச வலிமை</translation>
    </message>
    <message>
        <source>Their bird, sleeping or dying</source>
        <translation>அவர்களின் பட்சி, துயிலில் அல்லது சாவில்</translation>
    </message>
    <message>
        <source>Waking hours</source>
        <translation>விழித்திருக்கும் நேரம்</translation>
    </message>
    <message>
        <source>Days</source>
        <translation>நாட்கள்</translation>
    </message>
    <message>
        <source>Shortest window, in minutes</source>
        <translation>குறைந்தபட்ச நேரப் பகுதி, நிமிடங்களில்</translation>
    </message>
    <message>
        <source>Source</source>
        <translation>ஆதாரம்</translation>
    </message>
    <message>
        <source>Best Times: %1</source>
        <translation>நல்ல நேரங்கள்: %1</translation>
    </message>
</context>
<context>
    <name>velmora::PlanView</name>
    <message>
        <source>ruling or eating</source>
        <translation>அரசு அல்லது ஊண்</translation>
    </message>
    <message>
        <source>strong</source>
        <translation>வலிமையான நேரம்</translation>
    </message>
    <message>
        <source>my bird strong, theirs weak</source>
        <translation>என் பட்சி வலிமையாக, அவர்களுடையது வலிமை குன்றி</translation>
    </message>
    <message>
        <source>Leave out my bird&apos;s death days</source>
        <translation>என் பட்சியின் படு நாட்களை நீக்கு</translation>
    </message>
    <message>
        <source>My bird&apos;s ruling days only</source>
        <translation>என் பட்சியின் அரசு நாட்கள் மட்டும்</translation>
    </message>
    <message>
        <source>Every day</source>
        <translation>எல்லா நாட்களும்</translation>
    </message>
    <message>
        <source>From a Sa&amp;ved Reading...</source>
        <translation>சேமித்த பலனிலிருந்து (&amp;V)...</translation>
    </message>
    <message>
        <source>Their bird from a saved reading</source>
        <translation>அவர்களின் பட்சி, சேமித்த பலனிலிருந்து</translation>
    </message>
    <message>
        <source>Only in my wa&amp;king hours, from</source>
        <translation>என் விழித்திருக்கும் நேரத்தில் மட்டும் (&amp;K), இதிலிருந்து</translation>
    </message>
    <message>
        <source>Waking hours from</source>
        <translation>விழித்திருக்கும் நேரம் தொடக்கம்</translation>
    </message>
    <message>
        <source>Waking hours until</source>
        <translation>விழித்திருக்கும் நேரம் முடிவு</translation>
    </message>
    <message>
        <source>Fro&amp;m:</source>
        <translation>இதிலிருந்து (&amp;M):</translation>
    </message>
    <message>
        <source>T&amp;o:</source>
        <translation>இதுவரை (&amp;O):</translation>
    </message>
    <message>
        <source>Good &amp;when:</source>
        <translation>நல்ல நேரம் எப்போது (&amp;W):</translation>
    </message>
    <message>
        <source>Stren&amp;gth at least:</source>
        <translation>குறைந்தபட்ச வலிமை (&amp;G):</translation>
    </message>
    <message>
        <source>Their b&amp;ird:</source>
        <translation>அவர்களின் பட்சி (&amp;I):</translation>
    </message>
    <message>
        <source>until</source>
        <translation>இதுவரை</translation>
    </message>
    <message>
        <source>Find the Good Times</source>
        <translation>நல்ல நேரங்களைக் கண்டுபிடி</translation>
    </message>
    <message>
        <source>Remind me, minutes before:</source>
        <translation>நினைவூட்டல், நிமிடம் முன்:</translation>
    </message>
    <message>
        <source>Minutes before each good time to remind me</source>
        <translation>ஒவ்வொரு நல்ல நேரத்துக்கும் எத்தனை நிமிடம் முன் நினைவூட்டல்</translation>
    </message>
    <message>
        <source>Show the Day</source>
        <translation>அந்த நாளைக் காட்டு</translation>
    </message>
    <message>
        <source>E&amp;xport to Calendar...</source>
        <translation>நாள்காட்டிக்கு ஏற்றுமதி செய் (&amp;X)...</translation>
    </message>
    <message>
        <source>Good times from %1 to %2: %3</source>
        <translation>%1 முதல் %2 வரை நல்ல நேரங்கள்: %3</translation>
    </message>
    <message>
        <source>The first date, %1, is after the last, %2.</source>
        <translation>தொடக்கத் தேதி %1, முடிவுத் தேதி %2-க்குப் பின் வருகிறது.</translation>
    </message>
    <message>
        <source>Please choose a last date less than ten years after the first.</source>
        <translation>தொடக்கத் தேதியிலிருந்து பத்து ஆண்டுகளுக்குள் ஒரு முடிவுத் தேதியைத் தேர்ந்தெடுக்கவும்.</translation>
    </message>
    <message>
        <source>The reading in %1 names no bird.</source>
        <translation>%1 இல் உள்ள பலனில் பட்சி இல்லை.</translation>
    </message>
    <message>
        <source>Export to Calendar</source>
        <translation>நாள்காட்டிக்கு ஏற்றுமதி செய்</translation>
    </message>
    <message>
        <source>Calendar file (*.ics)</source>
        <translation>நாள்காட்டிக் கோப்பு (*.ics)</translation>
    </message>
    <message>
        <source>The calendar could not be saved to %1: %2</source>
        <translation>நாள்காட்டிக் கோப்பை %1 இல் சேமிக்க முடியவில்லை: %2</translation>
    </message>
    <message>
        <source>Velmora plan</source>
        <translation>Velmora திட்டம்</translation>
    </message>
    <message>
        <source>Print the Plan</source>
        <translation>திட்டத்தை அச்சிடு</translation>
    </message>
    <message>
        <source>The plan could not be printed.</source>
        <translation>திட்டத்தை அச்சிட முடியவில்லை.</translation>
    </message>
    <message>
        <source>Shortest (minutes):</source>
        <translation>குறைந்தபட்ச நீளம், நிமிடம்:</translation>
    </message>
    <message>
        <source>Days:</source>
        <translation>நாட்கள்:</translation>
    </message>
    <message>
        <source>&amp;Print the List...</source>
        <translation>பட்டியலை அச்சிடு (&amp;P)...</translation>
    </message>
</context>
<context>
    <name>velmora::ReadingFiles</name>
    <message>
        <source>Please Check The File.</source>
        <translation>கோப்பைச் சரிபார்க்கவும்.</translation>
    </message>
    <message>
        <source>The reading could not be saved to %1: %2</source>
        <translation>பலனை %1 இல் சேமிக்க முடியவில்லை: %2</translation>
    </message>
    <message>
        <source>The reading could not be opened from %1: %2</source>
        <translation>பலனை %1 இலிருந்து திறக்க முடியவில்லை: %2</translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <translation>அது சாதாரணக் கோப்பு அல்ல</translation>
    </message>
    <message>
        <source>Rich Text Format (*.tam)</source>
        <translation>Velmora பலன் கோப்பு (*.tam)</translation>
    </message>
    <message>
        <source>Select the source file</source>
        <translation>திறக்க வேண்டிய கோப்பைத் தேர்ந்தெடுக்கவும்</translation>
    </message>
</context>
<context>
    <name>velmora::ReadingReport</name>
    <message>
        <source> (its direction from the longitude)</source>
        <translation> (திசை தீர்க்கரேகையிலிருந்து)</translation>
    </message>
    <message>
        <source>Birth data</source>
        <translation>பிறப்பு விவரங்கள்</translation>
    </message>
    <message>
        <source>This reading was opened from a saved file, which keeps no birth data.</source>
        <translation>இந்தப் பலன் சேமித்த கோப்பிலிருந்து திறக்கப்பட்டது; அந்தக் கோப்பில் பிறப்பு விவரங்கள் இல்லை.</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>பெயர்</translation>
    </message>
    <message>
        <source>Date of birth</source>
        <translation>பிறந்த தேதி</translation>
    </message>
    <message>
        <source>Time of birth</source>
        <translation>பிறந்த நேரம்</translation>
    </message>
    <message>
        <source>Time zone</source>
        <translation>நேர மண்டலம்</translation>
    </message>
    <message>
        <source>Daylight saving</source>
        <translation>கோடை நேரம்</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>ஆம்</translation>
    </message>
    <message>
        <source>No</source>
        <translation>இல்லை</translation>
    </message>
    <message>
        <source>Longitude</source>
        <translation>தீர்க்கரேகை</translation>
    </message>
    <message>
        <source>Latitude</source>
        <translation>அட்சரேகை</translation>
    </message>
    <message>
        <source>Nakshatra / Birth Star</source>
        <translation>ஜென்ம நட்சத்திரம்</translation>
    </message>
    <message>
        <source>Nakshatra / BirthStar</source>
        <translation>ஜென்ம நட்சத்திரம்</translation>
    </message>
    <message>
        <source>Tithi / Lunar Day</source>
        <translation>பட்சம்</translation>
    </message>
    <message>
        <source>Fortnight</source>
        <translation>பட்சம்</translation>
    </message>
    <message>
        <source>Pakshi / Bird</source>
        <translation>பட்சி</translation>
    </message>
    <message>
        <source>Ruling Bird</source>
        <translation>ஜென்ம பட்சி</translation>
    </message>
    <message>
        <source>Ruling Days</source>
        <translation>அரசு நாட்கள்</translation>
    </message>
    <message>
        <source>Ruling Day(s) in Day time</source>
        <translation>பகலில் அரசு நாட்கள்</translation>
    </message>
    <message>
        <source>Ruling Day(s) in Night time</source>
        <translation>இரவில் அரசு நாட்கள்</translation>
    </message>
    <message>
        <source>Death Day</source>
        <translation>படு நாள்</translation>
    </message>
    <message>
        <source>Death Day(s)</source>
        <translation>படு நாட்கள்</translation>
    </message>
    <message>
        <source>Panch-Pakshi Birth Reading</source>
        <translation>பஞ்சபட்சி ஜென்ம பலன்</translation>
    </message>
    <message>
        <source>Page %1 of %2</source>
        <translation>பக்கம் %1 / %2</translation>
    </message>
    <message>
        <source>the pages could not be drawn</source>
        <translation>பக்கங்களை வரைய முடியவில்லை</translation>
    </message>
</context>
<context>
    <name>velmora::ReadingResultPanel</name>
    <message>
        <source>Your Pakshi / Bird Details</source>
        <translation>உங்கள் பட்சி விவரங்கள்</translation>
    </message>
    <message>
        <source>Your Death Day</source>
        <translation>உங்கள் படு நாள்</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>சேமி (&amp;S)</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation>பின் (&amp;B)</translation>
    </message>
    <message>
        <source>Nakshatra / BirthStar</source>
        <translation>ஜென்ம நட்சத்திரம்</translation>
    </message>
    <message>
        <source>Tithi / Lunar Day</source>
        <translation>பட்சம்</translation>
    </message>
    <message>
        <source>Ruling Bird</source>
        <translation>ஜென்ம பட்சி</translation>
    </message>
    <message>
        <source>Ruling Day(s)</source>
        <translation>அரசு நாட்கள்</translation>
    </message>
    <message>
        <source>Ruling Day(s) in Day time</source>
        <translation>பகலில் அரசு நாட்கள்</translation>
    </message>
    <message>
        <source>Ruling Day(s) in Night time</source>
        <translation>இரவில் அரசு நாட்கள்</translation>
    </message>
    <message>
        <source>Death Day(s)</source>
        <translation>படு நாட்கள்</translation>
    </message>
    <message>
        <source>For Detailed Analysis Visit %1</source>
        <translation>விரிவான பலன்களுக்கு %1 தளத்தைப் பார்க்கவும்</translation>
    </message>
    <message>
        <source>Your Nakshatra / BirthStar Details</source>
        <comment>tab</comment>
        <translation>ஜென்ம நட்சத்திரம்</translation>
    </message>
    <message>
        <source>Your Pakshi / Bird Details</source>
        <comment>tab</comment>
        <translation>ஜென்ம பட்சி</translation>
    </message>
    <message>
        <source>Your Ruling Days</source>
        <comment>tab</comment>
        <translation>அரசு நாட்கள்</translation>
    </message>
    <message>
        <source>Your Death Day</source>
        <comment>tab</comment>
        <translation>படு நாள்</translation>
    </message>
    <message>
        <source>Your Bird&apos;s &amp;Day</source>
        <translation>உங்கள் பட்சியின் நாள் (&amp;D)</translation>
    </message>
</context>
<context>
    <name>velmora::ReadingSharing</name>
    <message>
        <source>Velmora reading</source>
        <translation>Velmora பலன்</translation>
    </message>
    <message>
        <source>Print Reading</source>
        <translation>பலனை அச்சிடு</translation>
    </message>
    <message>
        <source>The reading could not be printed.</source>
        <translation>பலனை அச்சிட முடியவில்லை.</translation>
    </message>
    <message>
        <source>Export as PDF</source>
        <translation>PDF ஆக ஏற்றுமதி செய்</translation>
    </message>
    <message>
        <source>PDF (*.pdf)</source>
        <translation>PDF கோப்பு (*.pdf)</translation>
    </message>
    <message>
        <source>The reading could not be exported to %1: %2</source>
        <translation>பலனை %1 என்ற கோப்பாக ஏற்றுமதி செய்ய முடியவில்லை: %2</translation>
    </message>
</context>
<context>
    <name>velmora::frmAbout</name>
    <message>
        <source>Velmora is a Vedic astrology software which determines your Nakshatra or Birth Star and then finds out your ruling bird as per the Panch Pakshi Shastra based on your date of birth. The software helps you to gain a clear insight into your personality and thus improve yourself for the better.</source>
        <translation>Velmora ஒரு வேத ஜோதிட மென்பொருள். உங்கள் பிறந்த தேதியைக் கொண்டு உங்கள் ஜென்ம நட்சத்திரத்தைக் கணித்து, பஞ்சபட்சி சாஸ்திரத்தின்படி உங்கள் ஜென்ம பட்சியைக் கண்டறிகிறது. உங்கள் இயல்பைத் தெளிவாகப் புரிந்துகொண்டு உங்களை மேலும் சிறப்பாக்கிக்கொள்ள இந்த மென்பொருள் உதவுகிறது.</translation>
    </message>
    <message>
        <source>Click here to visit %1</source>
        <translation>%1 தளத்தைப் பார்வையிட இங்கே அழுத்தவும்</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>சரி</translation>
    </message>
    <message>
        <source>This translation has not yet been reviewed by a native speaker. Please send corrections to velmora@example.org or as an issue on the home page.</source>
        <translation>இந்த மொழிபெயர்ப்பைத் தமிழைத் தாய்மொழியாகக் கொண்ட ஒருவர் இன்னும் சரிபார்க்கவில்லை. திருத்தங்களை velmora@example.org என்ற முகவரிக்கு மின்னஞ்சலாகவோ முகப்புப் பக்கத்தின் வழியாகவோ அனுப்பவும்.</translation>
    </message>
</context>
<context>
    <name>velmora::frmBirdsDay</name>
    <message>
        <source>Your Bird&apos;s Day</source>
        <translation>உங்கள் பட்சியின் நாள்</translation>
    </message>
    <message>
        <source>Fortnight of the birth</source>
        <translation>பிறப்பின் பட்சம்</translation>
    </message>
    <message>
        <source>Latitude in degrees, north positive</source>
        <translation>அட்சரேகை, பாகைகளில், வடக்கு நேர்மறை</translation>
    </message>
    <message>
        <source>Longitude in degrees, east positive</source>
        <translation>தீர்க்கரேகை, பாகைகளில், கிழக்கு நேர்மறை</translation>
    </message>
    <message>
        <source>Offset from UTC, as +5:30</source>
        <translation>UTC-யிலிருந்து வேறுபாடு, +5:30 போல</translation>
    </message>
    <message>
        <source>&amp;Today</source>
        <translation>இன்று (&amp;T)</translation>
    </message>
    <message>
        <source>&amp;Find...</source>
        <translation>தேடு... (&amp;F)</translation>
    </message>
    <message>
        <source>&amp;Use</source>
        <translation>பயன்படுத்து (&amp;U)</translation>
    </message>
    <message>
        <source>Use the coordinates typed</source>
        <translation>தட்டச்சு செய்த அட்சரேகை, தீர்க்கரேகையைப் பயன்படுத்து</translation>
    </message>
    <message>
        <source>&amp;Bird:</source>
        <translation>பட்சி (&amp;B):</translation>
    </message>
    <message>
        <source>or from &amp;star:</source>
        <translation>அல்லது நட்சத்திரத்திலிருந்து (&amp;S):</translation>
    </message>
    <message>
        <source>&amp;Date:</source>
        <translation>தேதி (&amp;D):</translation>
    </message>
    <message>
        <source>Pla&amp;ce:</source>
        <translation>இடம் (&amp;C):</translation>
    </message>
    <message>
        <source>L&amp;atitude:</source>
        <translation>அட்சரேகை (&amp;A):</translation>
    </message>
    <message>
        <source>Lo&amp;ngitude:</source>
        <translation>தீர்க்கரேகை (&amp;N):</translation>
    </message>
    <message>
        <source>&amp;Zone (UTC):</source>
        <translation>மண்டலம், UTC (&amp;Z):</translation>
    </message>
    <message>
        <source>P&amp;rint...</source>
        <translation>அச்சிடு... (&amp;R)</translation>
    </message>
    <message>
        <source>&amp;Export as PDF...</source>
        <translation>PDF ஆக ஏற்றுமதி செய்... (&amp;E)</translation>
    </message>
    <message>
        <source>C&amp;lose</source>
        <translation>மூடு (&amp;L)</translation>
    </message>
    <message>
        <source>The day is shown at the fixed offset %1.</source>
        <translation>நாள் மாறாத வேறுபாடு %1-இல் காட்டப்படுகிறது.</translation>
    </message>
    <message>
        <source>Please enter the latitude in degrees from -90 to 90, north positive (for example 13.08).</source>
        <translation>அட்சரேகையை -90 முதல் 90 வரையிலான பாகைகளில், வடக்கை நேர்மறையாக உள்ளிடவும் (எடுத்துக்காட்டாக 13.08).</translation>
    </message>
    <message>
        <source>Please enter the longitude in degrees from -180 to 180, east positive (for example 80.27).</source>
        <translation>தீர்க்கரேகையை -180 முதல் 180 வரையிலான பாகைகளில், கிழக்கை நேர்மறையாக உள்ளிடவும் (எடுத்துக்காட்டாக 80.27).</translation>
    </message>
    <message>
        <source>Please enter the offset from UTC from -12:00 to +14:00 (for example +5:30).</source>
        <translation>UTC-யிலிருந்து வேறுபாட்டை -12:00 முதல் +14:00 வரை உள்ளிடவும் (எடுத்துக்காட்டாக +5:30).</translation>
    </message>
    <message>
        <source>Coordinates typed in</source>
        <translation>தட்டச்சு செய்த அட்சரேகை, தீர்க்கரேகை</translation>
    </message>
    <message>
        <source>Print the Day</source>
        <translation>நாளை அச்சிடு</translation>
    </message>
    <message>
        <source>The day could not be printed.</source>
        <translation>நாளை அச்சிட முடியவில்லை.</translation>
    </message>
    <message>
        <source>The day could not be exported to %1: %2</source>
        <translation>நாளை %1 என்ற கோப்பாக ஏற்றுமதி செய்ய முடியவில்லை: %2</translation>
    </message>
    <message>
        <source>The Da&amp;y</source>
        <translation>அந்த நாள் (&amp;Y)</translation>
    </message>
    <message>
        <source>Plan A&amp;head</source>
        <translation>முன்கூட்டியே திட்டமிடு (&amp;H)</translation>
    </message>
</context>
<context>
    <name>velmora::frmMain</name>
    <message>
        <source>&amp;File</source>
        <translation>கோப்பு (&amp;F)</translation>
    </message>
    <message>
        <source>&amp;Calculate</source>
        <translation>கணி (&amp;C)</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>வெளியேறு (&amp;X)</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>உதவி (&amp;H)</translation>
    </message>
    <message>
        <source>&amp;Online Help</source>
        <translation>இணைய உதவி (&amp;O)</translation>
    </message>
    <message>
        <source>&amp;Visit Us Online</source>
        <translation>எங்கள் இணையதளம் (&amp;V)</translation>
    </message>
    <message>
        <source>Check for Software &amp;Update</source>
        <translation>மென்பொருள் புதுப்பிப்பைத் தேடு (&amp;U)</translation>
    </message>
    <message>
        <source>&amp;About Software</source>
        <translation>மென்பொருளைப் பற்றி (&amp;A)</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>காட்சி (&amp;V)</translation>
    </message>
    <message>
        <source>&amp;Language</source>
        <translation>மொழி (&amp;L)</translation>
    </message>
    <message>
        <source>Readings, help and updates at %1</source>
        <translation>பலன்கள், உதவி, புதுப்பிப்புகள்: %1</translation>
    </message>
    <message>
        <source>&amp;Open...</source>
        <translation>திற (&amp;O)...</translation>
    </message>
    <message>
        <source>&amp;Save...</source>
        <translation>சேமி (&amp;S)...</translation>
    </message>
    <message>
        <source>&amp;Print...</source>
        <translation>அச்சிடு (&amp;P)...</translation>
    </message>
    <message>
        <source>&amp;Export as PDF...</source>
        <translation>PDF ஆக ஏற்றுமதி செய் (&amp;E)...</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>திருத்து (&amp;E)</translation>
    </message>
    <message>
        <source>&amp;Copy Reading</source>
        <translation>பலனை நகலெடு (&amp;C)</translation>
    </message>
    <message>
        <source>Your Bird&apos;s &amp;Day...</source>
        <translation>உங்கள் பட்சியின் நாள்... (&amp;D)</translation>
    </message>
</context>
<context>
    <name>velmora::frmTimeZone</name>
    <message>
        <source>&amp;Quit</source>
        <translation>மூடு (&amp;Q)</translation>
    </message>
</context>
</TS>
