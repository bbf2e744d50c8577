-- One row per topic of changes that must not run beside each other (see take_guard): writing its row is what
-- makes a change of the topic wait for, or conflict with, every other one. The design-wide topics stand from
-- the start; the topic of one domain's data ("data 17") is made when a change first takes it.
CREATE TABLE change_guard (
  topic   VARCHAR(32)     NOT NULL,
  changes BIGINT UNSIGNED NOT NULL DEFAULT 0,
  PRIMARY KEY (topic)
) ENGINE=InnoDB DEFAULT CHARSET=utf8mb4 COLLATE=utf8mb4_bin;

INSERT INTO change_guard (topic) VALUES ('accounts'), ('domains'), ('data');
