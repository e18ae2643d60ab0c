{ Generates the reference rows of the FormatFloatNum table test with Free
  Pascal's own Str:
    fpc formatfloat_table.pas && ./formatfloat_table
  Exponent rows use Str(x:w) on an extended copy of the double (four exponent
  digits), then drop the two leading exponent zeros or, when the exponent needs
  them, replace every character by '*'. Fixed rows are Str(x:w:d) on the double,
  for values below 1E17 only: above that Str writes 17 significant digits and
  zeros, where FormatFloatNum writes the exact digits. }
program formatfloat_table;

const
  Values: array[0..17] of string = (
    '1234.5', '-0.00012', '0', '1E150', '-1E-150', '3.14159', '2.71828182845',
    '123456.789', '-98765.4321', '1E-5', '0.7', '1E20', '6.02214076E23',
    '1.602E-19', '99999.9', '-7', '42.42', '9.87654321E-99');
  ExpWidths: array[0..5] of integer = (8, 9, 10, 12, 14, 20);
  FixWidths: array[0..3] of integer = (1, 8, 12, -10);
  FixDecimals: array[0..3] of integer = (0, 1, 2, 6);

var
  i, j, k, code, p: integer;
  d: double;
  x: extended;
  s: string;
begin
  for i := Low(Values) to High(Values) do
  begin
    Val(Values[i], d, code);
    x := d;
    for j := Low(ExpWidths) to High(ExpWidths) do
    begin
      Str(x:ExpWidths[j] + 2, s);
      p := Pos('E', s);
      if Copy(s, p + 2, 2) = '00' then
        Delete(s, p + 2, 2)
      else
      begin
        Delete(s, p + 2, 2);
        s := StringOfChar('*', Length(s));
      end;
      writeln('    {', Values[i], ', ', ExpWidths[j], ', -2, "', s, '"},');
    end;
    if Abs(d) < 1E17 then
    for j := Low(FixWidths) to High(FixWidths) do
      for k := Low(FixDecimals) to High(FixDecimals) do
      begin
        Str(d:Abs(FixWidths[j]):FixDecimals[k], s);
        if FixWidths[j] < 0 then
        begin
          p := 1;
          while (p <= Length(s)) and (s[p] = ' ') do
          begin
            s[p] := '0';
            Inc(p);
          end;
          if (p > 1) and (p <= Length(s)) and (s[p] = '-') then
          begin
            s[p] := '0';
            s[1] := '-';
          end;
        end;
        writeln('    {', Values[i], ', ', FixWidths[j], ', ', FixDecimals[k], ', "', s, '"},');
      end;
  end;
end.
