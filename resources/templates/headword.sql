-- User dictionary database (slots 2 to 5): one empty headword table.
-- hw_name is declared with a tab before NOT NULL, exactly as the dictionary
-- rebuild creates a missing table.
CREATE TABLE headword(dict_id INTEGER NOT NULL, hw_id INTEGER PRIMARY KEY, hw_name TEXT	NOT NULL COLLATE NOCASE, hw_match TEXT NOT NULL COLLATE NOCASE, type TEXT NOT NULL, exp TEXT NOT NULL);
CREATE INDEX i_headword1 ON headword (hw_id);
CREATE INDEX i_headword2 ON headword (hw_name);
CREATE INDEX i_headword3 ON headword (hw_match);
