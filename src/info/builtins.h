#pragma once

// The few outside values the program carries: where the maker is reached, the web sites of the
// menu bar's web-site entries and the e-mail composer's fixed texts.
namespace spawnsmith::builtin {

// The To address goes into the mailto: URL as it stands, not percent-encoded, so it must stay a
// plain address without blanks or reserved characters.
inline constexpr char makerEmail[] = "tarvik@spawnsmith.app";
inline constexpr char makerSite[] = "https://tarvik.spawnsmith.app/";
inline constexpr char forumSite[] = "https://gtaforums.com/";
inline constexpr char communitySite[] = "https://www.gtauniverse.com/";

// The web-site entries start this browser with the address as its one argument, and fall back
// to the desktop's own browser where no program lives at this path.
inline constexpr char browserPath[] = "C:\\Program Files\\Internet Explorer\\IEXPLORE.exe";

inline constexpr char mailSubject[] = "Spawnsmith";
// The first four lines end in a blank before their CR LF, as the message was written: the
// blanks are part of the text the user sees and edits, and the URL carries them as blanks.
inline constexpr char mailBody[] = "Enter your E-Mail message here. Remember I will not \r\n"
                                   "give you permission to edit the tool so don't even \r\n"
                                   "ask. If you are reporting a site hosting this tool \r\n"
                                   "without my permission then please check the Web \r\n"
                                   "Sites listed in the latest version before reporting to me.\r\n";

} // namespace spawnsmith::builtin
