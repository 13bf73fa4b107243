object Blatt4: TBlatt4
  Left = 0
  Top = 0
  Width = 703
  Height = 881
  Caption = 'Gesamtübersicht Blatt 4'
  PixelsPerInch = 96
  TextHeight = 13
  object Lbl1: TLabel
    Left = 0
    Top = 14
    Width = 701
    Height = 22
    Alignment = taLeftJustify
    Caption = 'Wirtschaftlichkeitsrechnung'
    Font.Charset = DEFAULT_CHARSET
    Font.Color = clBlack
    Font.Height = -18
    Font.Name = 'Arial'
    Font.Style = [fsBold]
    ParentFont = False
  end
  object Shp2: TShape
    Left = 0
    Top = 54
    Width = 703
    Height = 92
    Brush.Style = bsClear
  end
  object Lbl3: TLabel
    Left = 8
    Top = 60
    Width = 685
    Height = 18
    Alignment = taLeftJustify
    Caption = 'Angaben zur Wirtschaftlichkeit'
    Font.Charset = DEFAULT_CHARSET
    Font.Color = clBlack
    Font.Height = -14
    Font.Name = 'Arial'
    Font.Style = [fsBold]
    ParentFont = False
  end
  object Lin4: TShape
    Left = 0
    Top = 82
    Width = 703
    Height = 1
    Brush.Style = bsClear
  end
  object Lbl5: TLabel
    Left = 10
    Top = 92
    Width = 300
    Height = 16
    Alignment = taLeftJustify
    Caption = 'Laufende Kosten pro Jahr, Zeitstudiensystem'
    Font.Charset = DEFAULT_CHARSET
    Font.Color = clBlack
    Font.Height = -12
    Font.Name = 'Arial'
    Font.Style = []
    ParentFont = False
  end
  object Edt6: TEdit
    Left = 300
    Top = 92
    Width = 80
    Height = 13
    Font.Name = 'Arial'
    Font.Style = []
    TabOrder = 0
    Tag = 2
    Text = ''
  end
  object Lbl7: TLabel
    Left = 10
    Top = 116
    Width = 300
    Height = 16
    Alignment = taLeftJustify
    Caption = 'Laufende Kosten pro Jahr, Zeitstudien+Planzeitsystem'
    Font.Charset = DEFAULT_CHARSET
    Font.Color = clBlack
    Font.Height = -12
    Font.Name = 'Arial'
    Font.Style = []
    ParentFont = False
  end
  object Edt8: TEdit
    Left = 300
    Top = 116
    Width = 80
    Height = 13
    Font.Name = 'Arial'
    Font.Style = []
    TabOrder = 1
    Tag = 2
    Text = ''
  end
  object Lbl9: TLabel
    Left = 430
    Top = 92
    Width = 150
    Height = 16
    Alignment = taLeftJustify
    Caption = 'Nutzungsdauer'
    Font.Charset = DEFAULT_CHARSET
    Font.Color = clBlack
    Font.Height = -12
    Font.Name = 'Arial'
    Font.Style = []
    ParentFont = False
  end
  object Edt10: TEdit
    Left = 590
    Top = 92
    Width = 90
    Height = 13
    Font.Name = 'Arial'
    Font.Style = []
    TabOrder = 2
    Tag = 2
    Text = ''
  end
  object Lbl11: TLabel
    Left = 430
    Top = 116
    Width = 150
    Height = 16
    Alignment = taLeftJustify
    Caption = 'Kalkulationszinssatz'
    Font.Charset = DEFAULT_CHARSET
    Font.Color = clBlack
    Font.Height = -12
    Font.Name = 'Arial'
    Font.Style = []
    ParentFont = False
  end
  object Edt12: TEdit
    Left = 590
    Top = 116
    Width = 90
    Height = 13
    Font.Name = 'Arial'
    Font.Style = []
    TabOrder = 3
    Tag = 2
    Text = ''
  end
  object Shp13: TShape
    Left = 0
    Top = 166
    Width = 703
    Height = 330
    Brush.Style = bsClear
  end
  object Lbl14: TLabel
    Left = 8
    Top = 172
    Width = 685
    Height = 18
    Alignment = taLeftJustify
    Caption = 'Vergleich der Systeme'
    Font.Charset = DEFAULT_CHARSET
    Font.Color = clBlack
    Font.Height = -14
    Font.Name = 'Arial'
    Font.Style = [fsBold]
    ParentFont = False
  end
  object Lin15: TShape
    Left = 0
    Top = 194
    Width = 703
    Height = 1
    Brush.Style = bsClear
  end
  object Lbl16: TLabel
    Left = 262
    Top = 202
    Width = 135
    Height = 16
    Alignment = taRightJustify
    Caption = 'Zeitstudiensystem'
    Font.Charset = DEFAULT_CHARSET
    Font.Color = clBlack
    Font.Height = -11
    Font.Name = 'Arial'
    Font.Style = [fsBold]
    ParentFont = False
  end
  object Lbl17: TLabel
    Left = 262
    Top = 218
    Width = 135
    Height = 16
    Alignment = taRightJustify
    Caption = 'gegen manuelle Arbeit'
    Font.Charset = DEFAULT_CHARSET
    Font.Color = clBlack
    Font.Height = -11
    Font.Name = 'Arial'
    Font.Style = []
    ParentFont = False
  end
  object Lbl18: TLabel
    Left = 410
    Top = 202
    Width = 135
    Height = 16
    Alignment = taRightJustify
    Caption = 'Zeitstudien+Planzeitsystem'
    Font.Charset = DEFAULT_CHARSET
    Font.Color = clBlack
    Font.Height = -11
    Font.Name = 'Arial'
    Font.Style = [fsBold]
    ParentFont = False
  end
  object Lbl19: TLabel
    Left = 410
    Top = 218
    Width = 135
    Height = 16
    Alignment = taRightJustify
    Caption = 'gegen manuelle Arbeit'
    Font.Charset = DEFAULT_CHARSET
    Font.Color = clBlack
    Font.Height = -11
    Font.Name = 'Arial'
    Font.Style = []
    ParentFont = False
  end
  object Lbl20: TLabel
    Left = 558
    Top = 202
    Width = 135
    Height = 16
    Alignment = taRightJustify
    Caption = 'Zeitstudien+Planzeitsystem'
    Font.Charset = DEFAULT_CHARSET
    Font.Color = clBlack
    Font.Height = -11
    Font.Name = 'Arial'
    Font.Style = [fsBold]
    ParentFont = False
  end
  object Lbl21: TLabel
    Left = 558
    Top = 218
    Width = 135
    Height = 16
    Alignment = taRightJustify
    Caption = 'gegen Zeitstudiensystem'
    Font.Charset = DEFAULT_CHARSET
    Font.Color = clBlack
    Font.Height = -11
    Font.Name = 'Arial'
    Font.Style = []
    ParentFont = False
  end
  object Lin22: TShape
    Left = 8
    Top = 238
    Width = 687
    Height = 1
    Brush.Style = bsClear
  end
  object Lbl23: TLabel
    Left = 10
    Top = 246
    Width = 250
    Height = 16
    Alignment = taLeftJustify
    Caption = 'Laufende Kosten pro Jahr'
    Font.Charset = DEFAULT_CHARSET
    Font.Color = clBlack
    Font.Height = -12
    Font.Name = 'Arial'
    Font.Style = []
    ParentFont = False
  end
  object Edt24: TEdit
    Left = 262
    Top = 246
    Width = 135
    Height = 13
    Font.Name = 'Arial'
    Font.Style = []
    TabOrder = 10
    Tag = 2
    Text = ''
  end
  object Edt25: TEdit
    Left = 410
    Top = 246
    Width = 135
    Height = 13
    Font.Name = 'Arial'
    Font.Style = []
    TabOrder = 20
    Tag = 2
    Text = ''
  end
  object Edt26: TEdit
    Left = 558
    Top = 246
    Width = 135
    Height = 13
    Font.Name = 'Arial'
    Font.Style = []
    TabOrder = 30
    Tag = 2
    Text = ''
  end
  object Lbl27: TLabel
    Left = 10
    Top = 268
    Width = 250
    Height = 16
    Alignment = taLeftJustify
    Caption = 'Nettoeinsparung pro Jahr'
    Font.Charset = DEFAULT_CHARSET
    Font.Color = clBlack
    Font.Height = -12
    Font.Name = 'Arial'
    Font.Style = []
    ParentFont = False
  end
  object Edt28: TEdit
    Left = 262
    Top = 268
    Width = 135
    Height = 13
    Font.Name = 'Arial'
    Font.Style = []
    TabOrder = 11
    Tag = 2
    Text = ''
  end
  object Edt29: TEdit
    Left = 410
    Top = 268
    Width = 135
    Height = 13
    Font.Name = 'Arial'
    Font.Style = []
    TabOrder = 21
    Tag = 2
    Text = ''
  end
  object Edt30: TEdit
    Left = 558
    Top = 268
    Width = 135
    Height = 13
    Font.Name = 'Arial'
    Font.Style = []
    TabOrder = 31
    Tag = 2
    Text = ''
  end
  object Lin31: TShape
    Left = 8
    Top = 290
    Width = 687
    Height = 1
    Brush.Style = bsClear
  end
  object Lbl32: TLabel
    Left = 10
    Top = 298
    Width = 250
    Height = 16
    Alignment = taLeftJustify
    Caption = 'Amortisation mit laufenden Kosten'
    Font.Charset = DEFAULT_CHARSET
    Font.Color = clBlack
    Font.Height = -12
    Font.Name = 'Arial'
    Font.Style = []
    ParentFont = False
  end
  object Edt33: TEdit
    Left = 262
    Top = 298
    Width = 135
    Height = 13
    Font.Name = 'Arial'
    Font.Style = []
    TabOrder = 12
    Tag = 2
    Text = ''
  end
  object Edt34: TEdit
    Left = 410
    Top = 298
    Width = 135
    Height = 13
    Font.Name = 'Arial'
    Font.Style = []
    TabOrder = 22
    Tag = 2
    Text = ''
  end
  object Edt35: TEdit
    Left = 558
    Top = 298
    Width = 135
    Height = 13
    Font.Name = 'Arial'
    Font.Style = []
    TabOrder = 32
    Tag = 2
    Text = ''
  end
  object Lbl36: TLabel
    Left = 10
    Top = 320
    Width = 250
    Height = 16
    Alignment = taLeftJustify
    Caption = 'Dynamische Amortisation'
    Font.Charset = DEFAULT_CHARSET
    Font.Color = clBlack
    Font.Height = -12
    Font.Name = 'Arial'
    Font.Style = [fsBold]
    ParentFont = False
  end
  object Edt37: TEdit
    Left = 262
    Top = 320
    Width = 135
    Height = 13
    Font.Name = 'Arial'
    Font.Style = []
    TabOrder = 13
    Tag = 2
    Text = ''
  end
  object Edt38: TEdit
    Left = 410
    Top = 320
    Width = 135
    Height = 13
    Font.Name = 'Arial'
    Font.Style = []
    TabOrder = 23
    Tag = 2
    Text = ''
  end
  object Edt39: TEdit
    Left = 558
    Top = 320
    Width = 135
    Height = 13
    Font.Name = 'Arial'
    Font.Style = []
    TabOrder = 33
    Tag = 2
    Text = ''
  end
  object Lin40: TShape
    Left = 8
    Top = 342
    Width = 687
    Height = 1
    Brush.Style = bsClear
  end
  object Lbl41: TLabel
    Left = 10
    Top = 350
    Width = 250
    Height = 16
    Alignment = taLeftJustify
    Caption = 'Kapitalwert'
    Font.Charset = DEFAULT_CHARSET
    Font.Color = clBlack
    Font.Height = -12
    Font.Name = 'Arial'
    Font.Style = [fsBold]
    ParentFont = False
  end
  object Edt42: TEdit
    Left = 262
    Top = 350
    Width = 135
    Height = 13
    Font.Name = 'Arial'
    Font.Style = []
    TabOrder = 14
    Tag = 2
    Text = ''
  end
  object Edt43: TEdit
    Left = 410
    Top = 350
    Width = 135
    Height = 13
    Font.Name = 'Arial'
    Font.Style = []
    TabOrder = 24
    Tag = 2
    Text = ''
  end
  object Edt44: TEdit
    Left = 558
    Top = 350
    Width = 135
    Height = 13
    Font.Name = 'Arial'
    Font.Style = []
    TabOrder = 34
    Tag = 2
    Text = ''
  end
  object Lbl45: TLabel
    Left = 10
    Top = 372
    Width = 250
    Height = 16
    Alignment = taLeftJustify
    Caption = 'Interner Zinsfuß'
    Font.Charset = DEFAULT_CHARSET
    Font.Color = clBlack
    Font.Height = -12
    Font.Name = 'Arial'
    Font.Style = [fsBold]
    ParentFont = False
  end
  object Edt46: TEdit
    Left = 262
    Top = 372
    Width = 135
    Height = 13
    Font.Name = 'Arial'
    Font.Style = []
    TabOrder = 15
    Tag = 2
    Text = ''
  end
  object Edt47: TEdit
    Left = 410
    Top = 372
    Width = 135
    Height = 13
    Font.Name = 'Arial'
    Font.Style = []
    TabOrder = 25
    Tag = 2
    Text = ''
  end
  object Edt48: TEdit
    Left = 558
    Top = 372
    Width = 135
    Height = 13
    Font.Name = 'Arial'
    Font.Style = []
    TabOrder = 35
    Tag = 2
    Text = ''
  end
  object Lin49: TShape
    Left = 8
    Top = 394
    Width = 687
    Height = 1
    Brush.Style = bsClear
  end
  object Lbl50: TLabel
    Left = 10
    Top = 402
    Width = 250
    Height = 16
    Alignment = taLeftJustify
    Caption = 'Saldo nach 1 Jahr'
    Font.Charset = DEFAULT_CHARSET
    Font.Color = clBlack
    Font.Height = -12
    Font.Name = 'Arial'
    Font.Style = []
    ParentFont = False
  end
  object Edt51: TEdit
    Left = 262
    Top = 402
    Width = 135
    Height = 13
    Font.Name = 'Arial'
    Font.Style = []
    TabOrder = 16
    Tag = 2
    Text = ''
  end
  object Edt52: TEdit
    Left = 410
    Top = 402
    Width = 135
    Height = 13
    Font.Name = 'Arial'
    Font.Style = []
    TabOrder = 26
    Tag = 2
    Text = ''
  end
  object Edt53: TEdit
    Left = 558
    Top = 402
    Width = 135
    Height = 13
    Font.Name = 'Arial'
    Font.Style = []
    TabOrder = 36
    Tag = 2
    Text = ''
  end
  object Lbl54: TLabel
    Left = 10
    Top = 424
    Width = 250
    Height = 16
    Alignment = taLeftJustify
    Caption = 'Saldo nach 2 Jahren'
    Font.Charset = DEFAULT_CHARSET
    Font.Color = clBlack
    Font.Height = -12
    Font.Name = 'Arial'
    Font.Style = []
    ParentFont = False
  end
  object Edt55: TEdit
    Left = 262
    Top = 424
    Width = 135
    Height = 13
    Font.Name = 'Arial'
    Font.Style = []
    TabOrder = 17
    Tag = 2
    Text = ''
  end
  object Edt56: TEdit
    Left = 410
    Top = 424
    Width = 135
    Height = 13
    Font.Name = 'Arial'
    Font.Style = []
    TabOrder = 27
    Tag = 2
    Text = ''
  end
  object Edt57: TEdit
    Left = 558
    Top = 424
    Width = 135
    Height = 13
    Font.Name = 'Arial'
    Font.Style = []
    TabOrder = 37
    Tag = 2
    Text = ''
  end
  object Lbl58: TLabel
    Left = 10
    Top = 446
    Width = 250
    Height = 16
    Alignment = taLeftJustify
    Caption = 'Saldo nach 3 Jahren'
    Font.Charset = DEFAULT_CHARSET
    Font.Color = clBlack
    Font.Height = -12
    Font.Name = 'Arial'
    Font.Style = []
    ParentFont = False
  end
  object Edt59: TEdit
    Left = 262
    Top = 446
    Width = 135
    Height = 13
    Font.Name = 'Arial'
    Font.Style = []
    TabOrder = 18
    Tag = 2
    Text = ''
  end
  object Edt60: TEdit
    Left = 410
    Top = 446
    Width = 135
    Height = 13
    Font.Name = 'Arial'
    Font.Style = []
    TabOrder = 28
    Tag = 2
    Text = ''
  end
  object Edt61: TEdit
    Left = 558
    Top = 446
    Width = 135
    Height = 13
    Font.Name = 'Arial'
    Font.Style = []
    TabOrder = 38
    Tag = 2
    Text = ''
  end
  object Lbl62: TLabel
    Left = 10
    Top = 468
    Width = 250
    Height = 16
    Alignment = taLeftJustify
    Caption = 'Saldo nach der Nutzungsdauer'
    Font.Charset = DEFAULT_CHARSET
    Font.Color = clBlack
    Font.Height = -12
    Font.Name = 'Arial'
    Font.Style = []
    ParentFont = False
  end
  object Edt63: TEdit
    Left = 262
    Top = 468
    Width = 135
    Height = 13
    Font.Name = 'Arial'
    Font.Style = []
    TabOrder = 19
    Tag = 2
    Text = ''
  end
  object Edt64: TEdit
    Left = 410
    Top = 468
    Width = 135
    Height = 13
    Font.Name = 'Arial'
    Font.Style = []
    TabOrder = 29
    Tag = 2
    Text = ''
  end
  object Edt65: TEdit
    Left = 558
    Top = 468
    Width = 135
    Height = 13
    Font.Name = 'Arial'
    Font.Style = []
    TabOrder = 39
    Tag = 2
    Text = ''
  end
  object Shp66: TShape
    Left = 0
    Top = 508
    Width = 703
    Height = 168
    Brush.Style = bsClear
  end
  object Lbl67: TLabel
    Left = 8
    Top = 514
    Width = 685
    Height = 18
    Alignment = taLeftJustify
    Caption = 'Erläuterungen'
    Font.Charset = DEFAULT_CHARSET
    Font.Color = clBlack
    Font.Height = -14
    Font.Name = 'Arial'
    Font.Style = [fsBold]
    ParentFont = False
  end
  object Lin68: TShape
    Left = 0
    Top = 536
    Width = 703
    Height = 1
    Brush.Style = bsClear
  end
  object Lbl69: TLabel
    Left = 10
    Top = 544
    Width = 685
    Height = 15
    Alignment = taLeftJustify
    Caption = 'Laufende Kosten: Wartung, Lizenzen und Service im Jahr; im dritten Vergleich der Unterschied der beiden Systeme.'
    Font.Charset = DEFAULT_CHARSET
    Font.Color = clBlack
    Font.Height = -11
    Font.Name = 'Arial'
    Font.Style = []
    ParentFont = False
  end
  object Lbl70: TLabel
    Left = 10
    Top = 562
    Width = 685
    Height = 15
    Alignment = taLeftJustify
    Caption = 'Nettoeinsparung: die Einsparung im Jahr abzüglich der laufenden Kosten.'
    Font.Charset = DEFAULT_CHARSET
    Font.Color = clBlack
    Font.Height = -11
    Font.Name = 'Arial'
    Font.Style = []
    ParentFont = False
  end
  object Lbl71: TLabel
    Left = 10
    Top = 580
    Width = 685
    Height = 15
    Alignment = taLeftJustify
    Caption = 'Amortisation mit laufenden Kosten: Monate, bis die Einsparungen die Investition und die laufenden Kosten decken.'
    Font.Charset = DEFAULT_CHARSET
    Font.Color = clBlack
    Font.Height = -11
    Font.Name = 'Arial'
    Font.Style = []
    ParentFont = False
  end
  object Lbl72: TLabel
    Left = 10
    Top = 598
    Width = 685
    Height = 15
    Alignment = taLeftJustify
    Caption = 'Dynamische Amortisation: dasselbe mit den auf heute abgezinsten Beträgen (Kalkulationszinssatz).'
    Font.Charset = DEFAULT_CHARSET
    Font.Color = clBlack
    Font.Height = -11
    Font.Name = 'Arial'
    Font.Style = []
    ParentFont = False
  end
  object Lbl73: TLabel
    Left = 10
    Top = 616
    Width = 685
    Height = 15
    Alignment = taLeftJustify
    Caption = 'Kapitalwert: die Summe der abgezinsten Vorteile bis zum Ende der Nutzungsdauer, ohne Restwert.'
    Font.Charset = DEFAULT_CHARSET
    Font.Color = clBlack
    Font.Height = -11
    Font.Name = 'Arial'
    Font.Style = []
    ParentFont = False
  end
  object Lbl74: TLabel
    Left = 10
    Top = 634
    Width = 685
    Height = 15
    Alignment = taLeftJustify
    Caption = 'Interner Zinsfuß: der Zinssatz im Jahr, bei dem der Kapitalwert null ist.'
    Font.Charset = DEFAULT_CHARSET
    Font.Color = clBlack
    Font.Height = -11
    Font.Name = 'Arial'
    Font.Style = []
    ParentFont = False
  end
  object Lbl75: TLabel
    Left = 10
    Top = 652
    Width = 685
    Height = 15
    Alignment = taLeftJustify
    Caption = 'Saldo: der Vorteil ohne Abzinsung nach 1, 2, 3 Jahren und nach der Nutzungsdauer.'
    Font.Charset = DEFAULT_CHARSET
    Font.Color = clBlack
    Font.Height = -11
    Font.Name = 'Arial'
    Font.Style = []
    ParentFont = False
  end
  object PbxBreite76: TPaintBox
    Left = 702
    Top = 0
    Width = 0
    Height = 0
  end
  object PbxHoehe77: TPaintBox
    Left = 0
    Top = 880
    Width = 0
    Height = 0
  end
end
