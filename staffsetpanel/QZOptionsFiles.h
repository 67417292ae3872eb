#ifndef STAFFSETPANEL_QZOPTIONSFILES_H
#define STAFFSETPANEL_QZOPTIONSFILES_H

/* The panel's two settings files in the host's preferences folder (folder
 * selector 16): "qzpluginprefs.txt" (the prefs file, selected by true) and
 * "qzpluginoptions.txt" (the options file). Lines are key "=" value; see
 * FCStrings::CreateSettingsPairs. */

class FCSettingsPair;
class FCString;
class FCTextFileStream;

/* A new stream (the caller owns it) for the file; null on hosts whose path
   version is not 0x19000000 or when the host gives no folder. */
FCTextFileStream* CreateQZOptionsStreamObject(bool prefsFile);
/* A copy (the caller owns it) of the file's first pair with the key
   (letter case ignored), or null when the stream, the file or the key is
   missing. */
FCSettingsPair* LoadQZOptionsPair(FCString* pKey, bool prefsFile);
/* Stores the pair in the file: the value of the first pair with the key is
   replaced (its key keeps its letter case), or the pair goes last. Every pair
   of the file keeps its place; other lines are dropped. The file is replaced
   only once its new content is on disk: false, with the old file whole, when
   that fails or no stream can be made. */
bool SaveQZOptionsPair(FCSettingsPair* pPair, bool prefsFile);
/* Stores several pairs as SaveQZOptionsPair stores one, in one replacement
   of the file: the content is that of saving them one after another. */
bool SaveQZOptionsPairs(FCSettingsPair* const* ppPairs, int count, bool prefsFile);

#endif
